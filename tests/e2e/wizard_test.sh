#!/usr/bin/env bash
# The setup wizard with the real program: the first-run prompt, a user's run, and the
# administrator's runs that change the device's password, name, time zone and address, the last
# one into another subnet. One device and one program start; the cases build on each other.
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
program_require_tools

ADMIN_OLD='a&b #1'
ADMIN_NEW=n3w-pass
STEP_MARKERS="IDC_WIZARD_STEP_PASSWORD IDC_WIZARD_STEP_DEVICE_INFO IDC_WIZARD_STEP_TIME_ZONE IDC_WIZARD_STEP_NETWORK \
IDC_WIZARD_STEP_RAID IDC_WIZARD_STEP_DRIVE_MAPPING"

home_device() {
  device HomeNAS 00:1b:ac:00:00:01 192.0.2.21 gateway=192.0.2.1 "user=admin:$ADMIN_OLD" \
    user=alice:wonderland workgroup=HOME description=Attic timezone=12 volume=1:450:120 disk=sda:2000 disk=sdb:2000 \
    network.readdress=1 network.release_ms=5000
}

# Runs a uidriver script against the wizard, after the main window's lines.
wizard() { { echo "window has=IDC_WIZARD_NEXT"; cat; } | drive; }

fails_within() { # ms script-line... : succeeds when the script fails within that time
  ! DRIVE_TIMEOUT_MS=$1 drive <<<"$(printf '%s\n' "${@:2}")" >/dev/null 2>&1
}

no_message_box() { fails_within 2000 message || fail "a message box: $(drive <<<'message')"; }

logout_lines() { printf 'click IDC_LOGOUT\nawait %s enabled %s\n' "$STATE_LOGGED_OUT" "$STATE_CONTROLS"; }

login_to() { # device user password
  printf 'pick IDC_DEVICE_LIST %s\n' "$1"
  login_lines "$2" "$3"
}

# After the page's command succeeded the wizard moves on to the page after it, or ends when there
# is none: either way it leaves this page. Whatever page follows is left by Exit.
leave_wizard_after() { # page name
  local page
  for _ in $(seq 60); do
    page=$(DRIVE_TIMEOUT_MS=500 wizard <<<'text IDC_WIZARD_PAGE_NAME' 2>/dev/null) || return 0
    if [ "$page" != "$1" ]; then
      wizard <<<$'click IDC_WIZARD_EXIT\nwait-gone'
      return 0
    fi
    sleep 0.5
  done
  fail "the wizard stayed on its $1 page: $(DRIVE_TIMEOUT_MS=500 drive <<<'message' 2>&1)"
}

ctl_login() { # user password
  drovikctl ctl login --device "$DEVICE_NAME" --user "$1" --password "$2" 2>&1 || true
}

first_run_prompt_once_even_when_cancelled() {
  expect_eq "the prompt at the first login" \
    "Welcome admin, do you want to goto the wiard to setting your QB-550?" "$(drive <<SCRIPT
await HomeNAS items IDC_DEVICE_LIST
$(login_to HomeNAS admin "$ADMIN_OLD")
message
answer CANCEL
await "Welcome admin" text IDC_MAIN_WELCOME
SCRIPT
)"
  grep -qx $'FirstOpen=FALSE\r' "$(program_settings_file)" || fail "the prompt is not marked as shown"
  # Not again for this account of the computer, whoever logs in to the device.
  drive <<<"$(logout_lines; login_to HomeNAS admin "$ADMIN_OLD"; echo 'await "Welcome admin" text IDC_MAIN_WELCOME')"
  no_message_box
  drive <<<"$(logout_lines; login_to HomeNAS alice wonderland; echo 'await "Welcome alice" text IDC_MAIN_WELCOME')"
  no_message_box
}

users_wizard_changes_the_own_password() {
  local answers
  answers=$(drive <<SCRIPT
click IDC_SHORTCUT_WIZARD
window has=IDC_WIZARD_NEXT
text IDC_WIZARD_PAGE_NAME
enabled $STEP_MARKERS
visible IDC_WIZARD_SKIP IDC_WIZARD_PREVIOUS
type IDC_PASSWORD_PAGE_PASSWORD rabbit-2
type IDC_PASSWORD_PAGE_CONFIRM rabbit-2
SCRIPT
)
  # The markers are the user's whatever pages follow: the password and the drive mapping only.
  expect_eq "the password page first, the middle markers disabled" $'Password\nE----E\nV-' "$answers"
  # A page after it gives Next, the password page alone Finish; both apply the password.
  if [ "$(wizard <<<'visible IDC_WIZARD_NEXT')" == V ]; then
    wizard <<<'click IDC_WIZARD_NEXT'
    leave_wizard_after Password
  else
    wizard <<<$'click IDC_WIZARD_FINISH\nwait-gone'
  fi
  expect_eq "the new password" accepted "$(ctl_login alice rabbit-2)"
  expect_eq "the old password" "Username or password error." "$(ctl_login alice wonderland)"
}

# The network page follows the device only when a page comes after it: as the last page it
# shows Finish, which applies and ends the wizard at once.
network_page_is_last() { [ "$(wizard <<<'visible IDC_WIZARD_NEXT')" != V ]; }

administrators_wizard_run() {
  local answers
  answers=$(drive <<SCRIPT
$(logout_lines)
$(login_to HomeNAS admin "$ADMIN_OLD")
await "Welcome admin" text IDC_MAIN_WELCOME
click IDC_SHORTCUT_WIZARD
window has=IDC_WIZARD_NEXT
enabled $STEP_MARKERS
type IDC_PASSWORD_PAGE_PASSWORD $ADMIN_NEW
type IDC_PASSWORD_PAGE_CONFIRM $ADMIN_NEW
click IDC_WIZARD_NEXT
await WorkGroup text IDC_WIZARD_PAGE_NAME
await HomeNAS text IDC_DEVICE_PAGE_NAME
text IDC_DEVICE_PAGE_WORKGROUP
type IDC_DEVICE_PAGE_NAME Vault
type IDC_DEVICE_PAGE_WORKGROUP OFFICE
type IDC_DEVICE_PAGE_DESCRIPTION "Tom & Jerry"
click IDC_WIZARD_NEXT
await TimeZone text IDC_WIZARD_PAGE_NAME
await 11 selected-row IDC_TIME_ZONE_LIST
click-row IDC_TIME_ZONE_LIST 73
await 73 selected-row IDC_TIME_ZONE_LIST
click IDC_WIZARD_NEXT
await Network text IDC_WIZARD_PAGE_NAME
await V visible IDC_NETWORK_PAGE_IP
type-address IDC_NETWORK_PAGE_IP 192.0.2.31
SCRIPT
)
  expect_eq "every marker, the device's workgroup" $'EEEEEE\nHOME' "$answers"
  local address=192.0.2.31
  if network_page_is_last; then
    echo "the network page is the wizard's last: the wizard ends without following the device"
    wizard <<<$'click IDC_WIZARD_EXIT\nwait-gone'
    address=192.0.2.21
  else
    wizard <<<'click IDC_WIZARD_NEXT'
    leave_wizard_after Network
  fi
  DEVICE_NAME=Vault
  # Still logged in; the device lines show what the wizard read last.
  answers=$(drive <<'SCRIPT'
await "Welcome admin" text IDC_MAIN_WELCOME
await Vault text IDC_INFO_NAME
text IDC_INFO_ADDRESS
SCRIPT
)
  expect_eq "the device lines" "IP:$address" "$answers"
  expect_eq "read back from the device" "$address"$'\t255.255.255.0\t192.0.2.1\t0\tVault\tOFFICE\tTom & Jerry\t74' \
    "$(drovikctl ctl info --device Vault --user admin --password "$ADMIN_NEW" | cut -f1-4,7-10)"

  # The new password only, at the device's new address.
  answers=$(drive <<SCRIPT
$(logout_lines)
$(login_lines admin "$ADMIN_OLD")
message
answer OK
$(login_lines admin "$ADMIN_NEW")
await "Welcome admin" text IDC_MAIN_WELCOME
await $STATE_ADMINISTRATOR enabled $STATE_CONTROLS
text IDC_INFO_ADDRESS
SCRIPT
)
  expect_eq "the old password refused, the new one taken" $'Username or password error.\n'"IP:$address" "$answers"
}

wizard_closes_when_the_device_leaves_the_subnet() {
  drive <<'SCRIPT'
click IDC_SHORTCUT_WIZARD
window has=IDC_WIZARD_NEXT
click IDC_WIZARD_SKIP
await WorkGroup text IDC_WIZARD_PAGE_NAME
click IDC_WIZARD_SKIP
await TimeZone text IDC_WIZARD_PAGE_NAME
click IDC_WIZARD_SKIP
await Network text IDC_WIZARD_PAGE_NAME
await V visible IDC_NETWORK_PAGE_IP
type-address IDC_NETWORK_PAGE_IP 198.51.100.31
type-address IDC_NETWORK_PAGE_GATEWAY 198.51.100.1
SCRIPT
  if network_page_is_last; then
    echo "skipped: the network page is the wizard's last, so the wizard does not follow the device"
    wizard <<<$'click IDC_WIZARD_EXIT\nwait-gone'
    return 0
  fi
  local answers
  answers=$(drive <<SCRIPT
window has=IDC_WIZARD_NEXT
click IDC_WIZARD_NEXT
timeout 30000
wait-gone
window has=IDC_CONNECT
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
items IDC_DEVICE_LIST
$(login_to Vault admin "$ADMIN_NEW")
message
answer CANCEL
SCRIPT
)
  # Found again by the search, now on the other subnet: the login offers to move it back.
  expect_eq "the search after the wizard" $'Vault\nNot the same subnet, do you want to change NAS ip?' "$answers"
  expect_eq "the device's address" $'Vault\t198.51.100.31' "$(drovikctl ctl search | cut -f1,2)"
}

testlan_begin
home_device >"$TESTLAN_TMP/home.cfg"
testlan_host pc 192.0.2.10/24
testlan_host ctl 192.0.2.12/24
testlan_sim home 192.0.2.21 "$TESTLAN_TMP/home.cfg"
DEVICE_NAME=HomeNAS
program_prefix
# A settings file of its own: the ready prefix may hold one from another run.
program_settings "[Current]" "ServName=HomeNAS"
program_start
step "the first-run prompt comes once, also when cancelled" first_run_prompt_once_even_when_cancelled
step "a user's wizard changes the user's password" users_wizard_changes_the_own_password
step "the administrator's wizard run" administrators_wizard_run
step "the wizard closes when the device leaves the subnet" wizard_closes_when_the_device_leaves_the_subnet
program_stop >/dev/null 2>&1 || true
finish
