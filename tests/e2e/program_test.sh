#!/usr/bin/env bash
# The program itself: drovik.exe under Wine on the test LAN against simulated devices, driven from
# outside as a user drives it. One LAN and one program start serve the cases in a row, as a user's
# session goes; the Traditional Chinese case starts the program again.
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
if [ ! -e "$PROGRAM_WIN_BIN/drovik.exe" ]; then
  echo "skipped: no drovik.exe in $PROGRAM_WIN_BIN"
  exit 77
fi
for needed in "$PROGRAM_WIN_BIN/uidriver.exe" "$PROGRAM_WIN_BIN/open_recorder.exe"; do
  [ -e "$needed" ] || { echo "missing $needed (run scripts/build)"; exit 1; }
done

state() { drive <<<"enabled $STATE_CONTROLS"; }

startup_lists_the_devices_and_selects_the_last_used() {
  expect_eq "devices in first-answer order" $'HomeNAS\nAttic\nWorkshop' \
    "$(drive <<<"await 3 count IDC_DEVICE_LIST"$'\n'"$SEARCH_ENDED"$'\n'"items IDC_DEVICE_LIST")"
  expect_eq "ServName matched without regard to case" "Attic" "$(drive <<<'selected IDC_DEVICE_LIST')"
  expect_eq "state after the search" "$STATE_LOGGED_OUT" "$(state)"
}

administrator_login() {
  local answers
  answers=$(drive <<SCRIPT
pick IDC_DEVICE_LIST HomeNAS
$(login_lines admin 'a&b #1')
message
answer CANCEL
await "Welcome admin" text IDC_MAIN_WELCOME
await VVVV visible IDC_INFO_VOLUME_0 IDC_INFO_VOLUME_1 IDC_INFO_VOLUME_2 IDC_INFO_VOLUME_3
enabled $STATE_CONTROLS
texts IDC_INFO_VOLUME_0
texts IDC_INFO_VOLUME_3
SCRIPT
)
  expect_eq "first-run prompt, every control enabled, the volumes of the device" \
    "Welcome admin, do you want to goto the wiard to setting your QB-550?
$STATE_ADMINISTRATOR
Volume_1 | 120G Used/450G Available | 27%
Volume_4 | 0G Used/300G Available | 0%" "$answers"
  grep -qx $'ServName=HomeNAS\r' "$(program_settings_file)" || fail "the device used last is not remembered"
  grep -qx $'FirstOpen=FALSE\r' "$(program_settings_file)" || fail "the first-run prompt is not marked as shown"
}

file_center_opens_the_redirect_page() {
  drive <<<'click IDC_SHORTCUT_FILE_CENTER'
  local url; url=$(opened_record)
  expect_eq "the browser's address" "http://192.0.2.21/web/tamsel_redirect.html?m=1&u=admin&p=a%26b %231" "$url"
  expect_eq "the page answers" 200 "$(browser_visit "$url")"
  grep -qF "HomeNAS http GET /web/tamsel_redirect.html redirect m=1 u=admin p=a&b #1 200" "$TESTLAN_TMP/home.log" ||
    fail "the redirect page did not get m, u and p whole: $(grep redirect "$TESTLAN_TMP/home.log")"
  drive <<<'click IDC_SHORTCUT_MANAGEMENT_CENTER'
  expect_eq "Management Center" "http://192.0.2.21/web/tamsel_redirect.html?m=2&u=admin&p=a%26b %231" "$(opened_record)"
}

folder_lists_the_shares_and_opens_one() {
  expect_eq "share view instead of the volumes" "V----" \
    "$(drive <<<$'click IDC_SHORTCUT_FOLDER\nawait V---- visible IDC_INFO_SHARE_LIST IDC_INFO_VOLUME_0 IDC_INFO_VOLUME_1 IDC_INFO_VOLUME_2 IDC_INFO_VOLUME_3\nvisible IDC_INFO_SHARE_LIST IDC_INFO_VOLUME_0 IDC_INFO_VOLUME_1 IDC_INFO_VOLUME_2 IDC_INFO_VOLUME_3')"
  # The shares arrive a moment after the view switched: double-click until one opens. The device's
  # share ".." is left out of the list, so the third folder shown is the fourth share.
  for _ in $(seq 20); do
    drive <<<'open-folder IDC_INFO_SHARE_LIST 2'
    sleep 0.3
    [ -s "$PROGRAM_OPENED" ] && break
  done
  expect_eq "the third folder shown opened in the file manager" '\\192.0.2.21\Family Backup' "$(opened_record | head -n 1)"
}

refresh_while_logged_in_logs_out_and_searches() {
  local answers
  answers=$(drive <<SCRIPT
click IDC_REFRESH
await $STATE_SEARCHING enabled $STATE_CONTROLS
text IDC_MAIN_WELCOME
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
items IDC_DEVICE_LIST
SCRIPT
)
  expect_eq "logged out, everything disabled until the list is back" $'\nHomeNAS\nAttic\nWorkshop' "$answers"
}

user_login_follows_the_access_text() {
  # Position 2 of alice's "1,0,1,1,1,1" turns Download Center off; the rest is on.
  local answers
  answers=$(drive <<SCRIPT
pick IDC_DEVICE_LIST HomeNAS
$(login_lines alice wonderland)
await "Welcome alice" text IDC_MAIN_WELCOME
await EEEEEEE-EEEEEEEEE enabled $STATE_CONTROLS
await VVVV visible IDC_INFO_VOLUME_0 IDC_INFO_VOLUME_1 IDC_INFO_VOLUME_2 IDC_INFO_VOLUME_3
SCRIPT
)
  expect_eq "no prompt, no message" "" "$answers"
}

rejected_login_leaves_the_program_logged_out() {
  local answers
  answers=$(drive <<SCRIPT
$(login_lines alice nonsense)
message
answer OK
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
text IDC_MAIN_WELCOME
SCRIPT
)
  expect_eq "rejection, no welcome line" 'Username or password error.' "$answers"
}

other_subnet_refuses_a_normal_user() {
  local answers
  answers=$(drive <<SCRIPT
pick IDC_DEVICE_LIST Workshop
$(login_lines alice wonderland)
message
answer OK
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
SCRIPT
)
  expect_eq "refusal" \
    "Not the same network segment, please administrator privileges to change the ip of NAS setting." "$answers"
}

traditional_chinese() {
  program_stop
  program_settings "[Language]" "Language=CHT" "[Used]" "FirstOpen=FALSE"
  program_start
  local answers
  answers=$(drive <<SCRIPT
text IDC_CONNECT
text IDC_REFRESH
text IDC_SELECT_NAS_LABEL
await 3 count IDC_DEVICE_LIST
$SEARCH_ENDED
pick IDC_DEVICE_LIST Workshop
$(login_lines alice wonderland)
message
answer OK
SCRIPT
)
  expect_eq "captions and messages" $'連線\n重新整理\n選擇NAS\n不在同一網段，請以管理員權限變更NAS的IP設定。' "$answers"
}

testlan_begin
program_lan
program_settings "[Current]" "ServName=attic"
program_start
step "start-up lists the devices in first-answer order, the last used selected" startup_lists_the_devices_and_selects_the_last_used
step "administrator login" administrator_login
step "File Center opens the redirect page with the login" file_center_opens_the_redirect_page
step "Folder lists the shares and a double click opens one" folder_lists_the_shares_and_opens_one
step "Refresh while logged in" refresh_while_logged_in_logs_out_and_searches
step "user login follows the access text" user_login_follows_the_access_text
step "rejected login" rejected_login_leaves_the_program_logged_out
step "another subnet refuses a normal user" other_subnet_refuses_a_normal_user
step "Traditional Chinese" traditional_chinese
program_stop >/dev/null 2>&1 || true
finish
