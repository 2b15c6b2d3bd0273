#!/usr/bin/env bash
# The login check, the IP change and the HTTP command exchange end to end.
. "$(dirname "$0")/lib.sh"

USERS="user=alice:secret"

one_device() { # extra device keys...
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 gateway=192.0.2.1 "$USERS" "$@" >"$TESTLAN_TMP/one"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/one"
}

login() { # password [ctl options...]
  local password=$1; shift
  drovikctl pc login --device NAS-ONE --user alice --password "$password" "$@"
}

# A login that is not accepted ends with its operation: it takes about 2 s longer than a search
# alone (Wine's start and the search itself are in both), where a command that waited a fixed
# 10 s for a result that never comes took 10 s longer.
ends_soon_after_a_search() { # what login args...
  local what=$1; shift
  local started=$SECONDS
  drovikctl pc search >/dev/null
  local search=$((SECONDS - started))
  started=$SECONDS
  login "$@" >/dev/null 2>&1 || true
  local took=$((SECONDS - started))
  [ $((took - search)) -le 6 ] || fail "$what took $took s, a search $search s"
}

accepted_and_rejected_logins() {
  one_device
  expect_eq "accepted" "accepted" "$(login secret)"
  local out status=0
  out=$(login wrong 2>&1) || status=$?
  expect_eq "rejected exit code" 1 "$status"
  expect_eq "rejection message" "Username or password error." "$out"
  ends_soon_after_a_search "the rejected login" wrong
}

rejection_in_the_chosen_language() {
  one_device
  drovikctl pc search >/dev/null  # makes the prefix of the computer
  local ini=$TESTLAN_TMP/wine-pc/drive_c/users/root/AppData/Roaming/Tamsel
  mkdir -p "$ini"
  printf '[Language]\r\nLanguage=CHT\r\n' >"$ini/Tamsel.ini"
  local out; out=$(login wrong 2>&1 || true)
  expect_eq "Traditional Chinese" "使用者名稱或密碼錯誤。" "$out"
}

# A rejected login forgets the remembered user name only when it was remembered for the rejecting
# device (by its MAC), not for another device of the same name.
rejection_forgets_only_its_own_devices_user() {
  one_device
  drovikctl pc search >/dev/null  # makes the prefix of the computer
  local ini=$TESTLAN_TMP/wine-pc/drive_c/users/root/AppData/Roaming/Tamsel/Tamsel.ini
  mkdir -p "$(dirname "$ini")"
  printf '[Current]\r\nServName=NAS-ONE\r\n[NAS-ONE]\r\nUserName=alice\r\nMacAddress=00:11:22:33:44:99\r\n' >"$ini"
  login wrong >/dev/null 2>&1 || true
  tr -d '\r' <"$ini" | grep -qx 'UserName=alice' || fail "another device's rejection erased the user name"
  sed -i 's/44:99/44:01/' "$ini"
  login wrong >/dev/null 2>&1 || true
  tr -d '\r' <"$ini" | grep -qx 'UserName=' || fail "the device's own rejection kept the user name"
}

answer_of_another_device_does_not_end_the_wait() {
  # NAS-ONE turns the password down late; NAS-TWO answers every login at once, as accepted, but
  # with its own address.
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 "$USERS" login.delay_ms=500 >"$TESTLAN_TMP/one"
  device NAS-TWO 00:11:22:33:44:02 192.0.2.22 login.answer_any=1 >"$TESTLAN_TMP/two"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/one"
  testlan_sim dev2 192.0.2.22 "$TESTLAN_TMP/two"
  local status=0
  login wrong >/dev/null 2>&1 || status=$?
  expect_eq "another device's answer ignored" 1 "$status"
}

silent_device_rejects_the_login() {
  one_device login.silent=1
  local status=0
  login secret >/dev/null 2>&1 || status=$?
  expect_eq "no answer counts as rejected" 1 "$status"
  ends_soon_after_a_search "the unanswered login" secret
}

device_moved_to_a_new_address() {
  device FAR 00:11:22:33:44:03 198.51.100.23 gateway=198.51.100.1 setip.readdress=1 >"$TESTLAN_TMP/far"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev3 198.51.100.23 "$TESTLAN_TMP/far"
  expect_eq "set-ip" "answered" \
    "$(drovikctl pc set-ip --device FAR --ip 192.0.2.55 --mask 255.255.255.0 --gateway 192.0.2.1)"
  expect_eq "found at the new address" "FAR	192.0.2.55	255.255.255.0	192.0.2.1	0" \
    "$(drovikctl pc search | cut -f1-5)"
}

dhcp_goes_with_the_current_settings() {
  device FAR 00:11:22:33:44:03 198.51.100.23 gateway=198.51.100.1 >"$TESTLAN_TMP/far"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev3 198.51.100.23 "$TESTLAN_TMP/far"
  expect_eq "set-ip --dhcp" "answered" "$(drovikctl pc set-ip --device FAR --dhcp)"
  grep -q "setip asked address=198.51.100.23 mask=255.255.255.0 gateway=198.51.100.1 dhcp=1" \
    "$TESTLAN_TMP/dev3.log" || fail "the request: $(grep 'setip asked' "$TESTLAN_TMP/dev3.log")"
}

set_ip_without_answer() {
  device FAR 00:11:22:33:44:03 198.51.100.23 setip.silent=1 >"$TESTLAN_TMP/far"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev3 198.51.100.23 "$TESTLAN_TMP/far"
  local out status=0
  out=$(drovikctl pc set-ip --device FAR --dhcp) || status=$?
  expect_eq "set-ip timed out" "no answer" "$out"
  expect_eq "exit code" 1 "$status"
}

http_exchanges() {
  testlan_host pc 192.0.2.10/24
  local n=20 name fault
  for fault in good http.fault=unauthorized http.fault=http10 http.fault=refused http.fault=silent \
               http.split_ms=200 http.oversize=1; do
    n=$((n + 1))
    name=DEV$n
    device "$name" "00:11:22:33:44:$n" "192.0.2.$n" "$USERS" ${fault/good/} >"$TESTLAN_TMP/$name"
    testlan_sim "h$n" "192.0.2.$n" "$TESTLAN_TMP/$name"
  done
  local results="" status
  for n in 21 22 23 24 25 26 27; do
    status=0
    drovikctl pc set-timezone 7 --device "DEV$n" --user alice --password secret >/dev/null 2>&1 || status=$?
    results+="$status "
  done
  # good, 401, HTTP/1.0, refused, silent fail as one; split and oversized answers are read whole
  expect_eq "exchange results" "0 1 1 1 1 0 0 " "$results"
  grep -q "cgi_timezone" "$TESTLAN_TMP/h21.log" || fail "the device did not log the command"
}

# The longest cases first, so that none is left to run alone at the end.
run_side_case "set-ip without answer" set_ip_without_answer
run_side_case "HTTP exchanges" http_exchanges
run_side_case "silent device" silent_device_rejects_the_login
run_side_case "accepted and rejected logins" accepted_and_rejected_logins
run_side_case "rejection in Traditional Chinese" rejection_in_the_chosen_language
run_side_case "a rejection forgets only its own device's user" rejection_forgets_only_its_own_devices_user
run_side_case "another device's login answer" answer_of_another_device_does_not_end_the_wait
run_side_case "device moved by set-ip" device_moved_to_a_new_address
run_side_case "set-ip to DHCP" dhcp_goes_with_the_current_settings
finish
