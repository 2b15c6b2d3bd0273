#!/usr/bin/env bash
# The administrator moves a device from another subnet into the computer's with the device IP
# dialog, then finds it there and logs in to it as usual.
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
program_require_tools

moved_into_this_subnet() {
  local answers
  answers=$(drive <<SCRIPT
await Workshop items IDC_DEVICE_LIST
pick IDC_DEVICE_LIST Workshop
$(login_lines admin sawdust)
message
answer OK
window has=IDC_SETIP_OK
visible IDC_SETIP_IP IDC_SETIP_MASK IDC_SETIP_GATEWAY IDC_SETIP_DNS1
type-address IDC_SETIP_IP 192.0.2.23
type-address IDC_SETIP_MASK 255.255.255.0
type-address IDC_SETIP_GATEWAY 192.0.2.1
click IDC_SETIP_OK
wait-gone
window has=IDC_CONNECT
message
answer OK
SCRIPT
)
  expect_eq "the question, a static device's dialog, the success" \
    "Not the same subnet, do you want to change NAS ip?
VVV-
Setting NAS ip Sucess,Refresh ...." "$answers"
  grep -q "setip asked address=192.0.2.23 mask=255.255.255.0 gateway=192.0.2.1 dhcp=0" "$TESTLAN_TMP/far.log" ||
    fail "the request: $(grep 'setip' "$TESTLAN_TMP/far.log")"

  # The new search finds it in this subnet: the login goes through without the question.
  answers=$(drive <<SCRIPT
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
items IDC_DEVICE_LIST
pick IDC_DEVICE_LIST Workshop
$(login_lines admin sawdust)
await "Welcome admin" text IDC_MAIN_WELCOME
await V--- visible IDC_INFO_VOLUME_0 IDC_INFO_VOLUME_1 IDC_INFO_VOLUME_2 IDC_INFO_VOLUME_3
enabled $STATE_CONTROLS
text IDC_INFO_ADDRESS
text IDC_INFO_GATEWAY
SCRIPT
)
  expect_eq "the device in this subnet, the administrator's state" \
    "Workshop
$STATE_ADMINISTRATOR
IP:192.0.2.23
Gateway:192.0.2.1" "$answers"
}

testlan_begin
device Workshop 00:1b:ac:00:00:03 198.51.100.23 gateway=198.51.100.1 user=admin:sawdust volume=1:450:120 \
  setip.readdress=1 >"$TESTLAN_TMP/far.cfg"
testlan_host pc 192.0.2.10/24
testlan_sim far 198.51.100.23 "$TESTLAN_TMP/far.cfg"
program_prefix
program_settings "[Used]" "FirstOpen=FALSE"
program_start
count_case "the administrator moves a device into this subnet" moved_into_this_subnet
program_stop >/dev/null 2>&1 || true
finish
