#!/usr/bin/env bash
# The main job without a mouse, with real key presses: from the device list to a share opened in
# the file manager; Escape in the login dialog sends nothing; a second start brings the running
# window back and ends; Alt+F4 ends the program.
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
program_require_tools

# Tab until control $1 has the focus, at most $2 times.
tab_to() { # id tries
  local try
  for try in $(seq "$2"); do
    [ "$(drive <<<$'keys TAB\nfocused '"$1")" = yes ] && return 0
  done
  fail "Tab never reached $1"
}

logged_in_from_the_keyboard() {
  drive <<SCRIPT >/dev/null || return 1
$SEARCH_ENDED
await HomeNAS selected IDC_DEVICE_LIST
await yes focused IDC_DEVICE_LIST
keys TAB
await yes focused IDC_CONNECT
keys ENTER
window has=IDC_LOGIN_OK
await yes focused IDC_LOGIN_USER_NAME
press-keys admin
keys TAB
press-keys drovik1
keys ENTER
window has=IDC_CONNECT
await "Welcome admin" text IDC_MAIN_WELCOME
SCRIPT
}

share_opened_from_the_keyboard() {
  tab_to IDC_SHORTCUT_FOLDER 8 || return 1
  drive <<<$'keys ENTER\nawait yes focused IDC_INFO_SHARE_LIST' >/dev/null || return 1
  # The shares arrive a moment after the view switched: Home chooses the first, Right the next.
  for _ in $(seq 20); do
    drive <<<'keys HOME RIGHT ENTER' >/dev/null
    sleep 0.3
    [ -s "$PROGRAM_OPENED" ] && break
  done
  expect_eq "the share opened" '\\192.0.2.21\Photos' "$(opened_record | head -n 1 | tr -d '\r')"
}

escape_in_the_login_dialog_sends_nothing() {
  local answers
  answers=$(drive <<SCRIPT
click IDC_CONNECT
window has=IDC_LOGIN_OK
keys ESCAPE
wait-gone
window has=IDC_CONNECT
text IDC_MAIN_WELCOME
enabled $STATE_CONTROLS
SCRIPT
) || return 1
  expect_eq "still logged in, no new login" $'Welcome admin\n'"$STATE_ADMINISTRATOR" "$answers"
}

a_second_start_brings_the_window_back_and_ends() {
  drive <<<'click IDC_MINIMIZE' >/dev/null || return 1
  local started=$SECONDS second
  testlan_wine pc "$PROGRAM_WIN_BIN/drovik.exe" >>"$TESTLAN_TMP/second.log" 2>&1 &
  second=$!
  while kill -0 "$second" 2>/dev/null && [ $((SECONDS - started)) -lt 60 ]; do sleep 0.2; done
  if kill -0 "$second" 2>/dev/null; then
    kill "$second"
    fail "the second start did not end by itself"
    return 1
  fi
  echo "the second start ended after $((SECONDS - started)) s"
  local front=no
  for _ in $(seq 5); do
    front=$(drive <<<'foreground' 2>>"$TESTLAN_TMP/second.log") && [ "$front" = yes ] && break
    sleep 1
  done
  expect_eq "the running window in front" yes "$front" || { cat "$TESTLAN_TMP/second.log" >&2; return 1; }
}

alt_f4_ends_the_program() {
  drive <<<$'keys ALT+F4\nwait-gone' >/dev/null || return 1
  for _ in $(seq 50); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || return 0
    sleep 0.2
  done
  fail "the program still runs"
}

testlan_begin
cat >"$TESTLAN_TMP/home.cfg" <<'CFG'
[device]
name=HomeNAS
mac=00:1b:ac:00:00:01
address=192.0.2.21
mask=255.255.255.0
gateway=192.0.2.1
user=admin:drovik1
share=admin:Music
share=admin:Photos
CFG
testlan_host pc 192.0.2.10/24
testlan_sim home 192.0.2.21 "$TESTLAN_TMP/home.cfg"
program_prefix
program_settings "[Used]" "FirstOpen=FALSE"
program_start
step "logged in from the keyboard" logged_in_from_the_keyboard
step "a share opened from the keyboard" share_opened_from_the_keyboard
step "Escape in the login dialog sends nothing" escape_in_the_login_dialog_sends_nothing
step "a second start brings the window back and ends" a_second_start_brings_the_window_back_and_ends
count_case "Alt+F4 ends the program" alt_f4_ends_the_program
finish
