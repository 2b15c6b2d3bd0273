#!/usr/bin/env bash
# Device search end to end: drovikctl search under Wine against simulated devices.
. "$(dirname "$0")/lib.sh"


three_devices_in_first_answer_order() {
  local cfg=$TESTLAN_TMP
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 gateway=192.0.2.1 search.delay_ms=400 >"$cfg/a"
  device NAS-TWO 00:11:22:33:44:02 192.0.2.22 gateway=192.0.2.1 dhcp=1 search.answers=2 >"$cfg/b"
  device NAS-FAR 00:11:22:33:44:03 198.51.100.23 gateway=198.51.100.1 search.delay_ms=200 >"$cfg/c"
  # Neither of these may be listed: another product, and an answer to someone else's search.
  { device OTHER-KIND 00:11:22:33:44:04 192.0.2.24 search.foreign_model=1
    device ELSEWHERE 00:11:22:33:44:05 192.0.2.25 search.wrong_id=1; } >"$cfg/d"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$cfg/a"
  testlan_sim dev2 192.0.2.22 "$cfg/b"
  testlan_sim dev3 198.51.100.23 "$cfg/c"
  testlan_sim dev4 192.0.2.24 "$cfg/d"
  local out; out=$(drovikctl pc search)
  expect_eq "devices, in the order they answered" \
"NAS-TWO	192.0.2.22	255.255.255.0	192.0.2.1	1	00:11:22:33:44:02	192.0.2.10
NAS-FAR	198.51.100.23	255.255.255.0	198.51.100.1	0	00:11:22:33:44:03	192.0.2.10
NAS-ONE	192.0.2.21	255.255.255.0	192.0.2.1	0	00:11:22:33:44:01	192.0.2.10" "$out"
}

no_device_gives_an_empty_list() {
  testlan_host pc 192.0.2.10/24
  device SILENT 00:11:22:33:44:09 192.0.2.29 search.silent=1 >"$TESTLAN_TMP/s"
  testlan_sim dev1 192.0.2.29 "$TESTLAN_TMP/s"
  local out; out=$(drovikctl pc search)
  expect_eq "no devices" "" "$out"
}

one_record_per_device_across_two_adapters() {
  device NEAR 00:11:22:33:44:01 192.0.2.21 >"$TESTLAN_TMP/a"
  device FAR 00:11:22:33:44:03 198.51.100.23 >"$TESTLAN_TMP/c"
  testlan_host pc 192.0.2.10/24
  testlan_link pc eth1 198.51.100.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/a"
  testlan_sim dev3 198.51.100.23 "$TESTLAN_TMP/c"
  # Both adapters hear both devices; each device is listed once, reached through the adapter whose
  # subnet holds it.
  local out; out=$(drovikctl pc search | cut -f1,2,7 | sort)
  expect_eq "two adapters" \
"FAR	198.51.100.23	198.51.100.10
NEAR	192.0.2.21	192.0.2.10" "$out"
}

forty_devices_on_one_adapter() {
  local i
  for i in $(seq 1 40); do
    device "NAS-$i" "$(printf '02:00:00:00:00:%02x' "$i")" "192.0.2.$((100 + i))"
  done >"$TESTLAN_TMP/many"
  testlan_host pc 192.0.2.10/24
  testlan_sim farm 192.0.2.100 "$TESTLAN_TMP/many"
  local out; out=$(drovikctl pc search | cut -f1 | sort -V | paste -sd' ')
  expect_eq "forty devices" "$(for i in $(seq 1 40); do printf 'NAS-%d\n' "$i"; done | paste -sd' ')" "$out"
}

run_case "three devices in first-answer order" three_devices_in_first_answer_order
run_case "no device" no_device_gives_an_empty_list
run_case "two adapters" one_record_per_device_across_two_adapters
run_case "forty devices" forty_devices_on_one_adapter
finish
