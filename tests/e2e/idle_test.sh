#!/usr/bin/env bash
# A logged-in user who stops typing is logged out after the time chosen in the settings dialog;
# typing in between starts the wait again. One real minute, measured by the driver's clock.
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
program_require_tools

# How long the user types nothing before the keys, in ms: the logout comes about this much later
# than a minute after the start.
POSTPONED_MS=10000
MINUTE_MS=60000

logged_out_a_minute_after_the_last_keys() {
  local answers
  answers=$(drive <<SCRIPT
await HomeNAS items IDC_DEVICE_LIST
pick IDC_DEVICE_LIST HomeNAS
$(login_lines admin 'a&b #1')
await "Welcome admin" text IDC_MAIN_WELCOME
click IDC_SETTINGS
window has=IDC_SETTINGS_OK
click IDC_LOGOUT_1_MIN
click IDC_SETTINGS_OK
wait-gone
window has=IDC_CONNECT
clock
sleep $POSTPONED_MS
press-keys drovik
clock
timeout $((3 * MINUTE_MS))
message
clock
answer OK
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
text IDC_MAIN_WELCOME
SCRIPT
)
  local lines started keys message logout
  # The last answer, the emptied welcome line, is lost with the trailing newlines.
  mapfile -t lines <<<"$answers"
  started=${lines[0]} keys=${lines[1]} message=${lines[2]} logout=${lines[3]}
  expect_eq "the message" "Time out, please login again." "$message"
  expect_eq "no welcome line after the logout" "" "${lines[4]:-}"
  grep -qx $'LoginOutTime=60000:\r' "$(program_settings_file)" || fail "1 min is not stored"
  echo "logout $((logout - started)) ms after the start, $((logout - keys)) ms after the keys"
  # A timer fires at its period or later, never before; the machine may be slow to show the box.
  [ $((logout - keys)) -ge $((MINUTE_MS - 1000)) ] || fail "logged out before a minute without input"
  [ $((logout - keys)) -le $((MINUTE_MS + 30000)) ] || fail "no logout long after a minute without input"
  [ $((logout - started)) -ge $((MINUTE_MS + POSTPONED_MS - 5000)) ] || fail "the keys did not postpone the logout"
}

testlan_begin
device HomeNAS 00:1b:ac:00:00:01 192.0.2.21 gateway=192.0.2.1 "user=admin:a&b #1" >"$TESTLAN_TMP/home.cfg"
testlan_host pc 192.0.2.10/24
testlan_sim home 192.0.2.21 "$TESTLAN_TMP/home.cfg"
program_prefix
program_settings "[Used]" "FirstOpen=FALSE"
program_start
count_case "logged out a minute after the last keys" logged_out_a_minute_after_the_last_keys
program_stop >/dev/null 2>&1 || true
finish
