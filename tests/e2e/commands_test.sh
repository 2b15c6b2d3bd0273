#!/usr/bin/env bash
# Every drovikctl device command against a simulated device; set commands are read back.
. "$(dirname "$0")/lib.sh"

LOGIN=(--device NAS-ONE --user alice --password secret)

nas_one() { # extra device keys...
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 gateway=192.0.2.1 \
    user=alice:secret:rw user=bob:pw2 dns1=192.0.2.53 workgroup=HOME description=Attic timezone=12 \
    disk=sda:500 disk=sdb:1000 volume=1:450:120:raid1 volume=2:900:5 \
    "share=alice:Music" "share=alice:Family Photos" share=bob:Backup "$@" >"$TESTLAN_TMP/one"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/one"
}

ctl() { drovikctl pc "$@" "${LOGIN[@]}"; }

read_commands() {
  nas_one
  expect_eq "info" "192.0.2.21	255.255.255.0	192.0.2.1	0	192.0.2.53		NAS-ONE	HOME	Attic	12" "$(ctl info)"
  expect_eq "volumes" "1	450	120
2	900	5" "$(ctl volumes)"
  expect_eq "disks" "2
sda	500
sdb	1000" "$(ctl disks)"
  expect_eq "shares of alice" "Music
Family Photos" "$(ctl shares)"
  expect_eq "access of alice" "rw" "$(ctl access)"
}

set_commands_read_back() {
  nas_one
  ctl set-name --name VAULT --workgroup OFFICE --description "Tom & Jerry = 100% +1"
  # The name is what the device reports from now on, in the search too.
  LOGIN=(--device VAULT --user alice --password secret)
  expect_eq "identity" "VAULT	OFFICE	Tom & Jerry = 100% +1" "$(ctl info | cut -f7-9)"
  ctl set-timezone 33
  expect_eq "time zone" "33" "$(ctl info | cut -f10)"
  ctl set-network --ip 192.0.2.21 --mask 255.255.255.0 --gateway 192.0.2.254 --dns1 192.0.2.53 --dns2 192.0.2.54
  expect_eq "network" "192.0.2.21	255.255.255.0	192.0.2.254	0	192.0.2.53	192.0.2.54" "$(ctl info | cut -f1-6)"
  ctl passwd n3w-pass
  LOGIN=(--device VAULT --user alice --password n3w-pass)
  expect_eq "new password works" "accepted" "$(drovikctl pc login "${LOGIN[@]}")"
}

failures_are_reported() {
  nas_one fault.cgi_timezone=res:3 fault.cgi_Status_Volume_Info=malformed "fault.cgi_get_wizard=slow:12000"
  local status
  # An error code in the answer still is a finished exchange: the set command reports success.
  status=0; ctl set-timezone 5 >/dev/null 2>&1 || status=$?
  expect_eq "res error code" 0 "$status"
  # A malformed volume answer is a failed read, said at once.
  status=0; ctl volumes >/dev/null 2>"$TESTLAN_TMP/err" || status=$?
  expect_eq "malformed answer" 1 "$status"
  grep -q "the command failed" "$TESTLAN_TMP/err" || fail "no message for the failed read"
  # An answer slower than the exchange's waits is a failed exchange.
  status=0; ctl info >/dev/null 2>&1 || status=$?
  expect_eq "slow answer" 1 "$status"
  # A new password longer than the 15 bytes the device keeps is not sent at all.
  status=0; drovikctl pc passwd "way-too-long-password" "${LOGIN[@]}" >/dev/null 2>&1 || status=$?
  expect_eq "password too long" 1 "$status"
}

network_change_moves_the_device() {
  nas_one network.readdress=1 network.release_ms=1000
  ctl set-network --ip 192.0.2.77 --mask 255.255.255.0 --gateway 192.0.2.1
  sleep 2
  expect_eq "found at the new address" "NAS-ONE	192.0.2.77" "$(drovikctl pc search | cut -f1,2)"
}

format_job_to_the_end() {
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 disk=sda:500 format.seconds=3 >"$TESTLAN_TMP/one"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/one"
  DROVIK_FORMAT_DEVICE=NAS-ONE testlan_wine pc "$DROVIK_WIN_BIN/net_lan_test.exe" \
    --gtest_filter='FormatOnTheLan.*'
  grep -q "format finished" "$TESTLAN_TMP/dev1.log" || fail "the device did not finish the format"
  expect_eq "the new volume" "1	500	0" "$(drovikctl pc volumes --device NAS-ONE --user admin --password admin)"
}

json_and_help() {
  nas_one
  expect_eq "volumes as JSON" '[{"volume":1,"totalGB":450,"usedGB":120},{"volume":2,"totalGB":900,"usedGB":5}]' \
    "$(ctl volumes --json)"
  expect_eq "shares as JSON" '[{"name":"Music"},{"name":"Family Photos"}]' "$(ctl shares --json)"
  expect_eq "search as JSON" '"name":"NAS-ONE","address":"192.0.2.21"' \
    "$(drovikctl pc search --json | grep -o '"name":"NAS-ONE","address":"192.0.2.21"')"
  drovikctl pc --help | grep -q "set-network \[--dhcp\]" || fail "the help does not list set-network's options"
  drovikctl pc map --help | grep -q "LETTER" || fail "map --help does not describe LETTER"
  local status=0
  drovikctl pc volumes --bogus >/dev/null 2>&1 || status=$?
  expect_eq "unknown option" 2 "$status"
}

# An answer of 486 KiB from a quick device is read whole (the limit is 1 MiB).
large_answers() {
  nas_one http.pad_bytes=497664
  expect_eq "shares from a large answer" "Music
Family Photos" "$(ctl shares)"
  expect_eq "volumes from a large answer" "1	450	120
2	900	5" "$(ctl volumes)"
}

refused_share_read() {
  nas_one http.fault=unauthorized
  local status=0
  ctl shares >"$TESTLAN_TMP/out" 2>"$TESTLAN_TMP/err" || status=$?
  expect_eq "refused share read" 1 "$status"
  [ ! -s "$TESTLAN_TMP/out" ] || fail "a refused share read printed shares"
  grep -q "the command failed" "$TESTLAN_TMP/err" || fail "no message for the refused share read"
  status=0; ctl volumes >/dev/null 2>"$TESTLAN_TMP/err" || status=$?
  expect_eq "refused volume read" 1 "$status"
  grep -q "the command failed (HTTP 401)" "$TESTLAN_TMP/err" || fail "the device's status is not told"
}

# The longest cases first, so that none is left to run alone at the end.
run_side_case "set commands read back" set_commands_read_back
run_side_case "failures" failures_are_reported
run_side_case "read commands" read_commands
run_side_case "format job" format_job_to_the_end
run_side_case "JSON and help" json_and_help
run_side_case "large answers" large_answers
# A share read the device refuses fails with a message instead of listing no shares.
run_side_case "refused share read" refused_share_read
run_side_case "network change moves the device" network_change_moves_the_device
finish
