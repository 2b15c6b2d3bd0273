#!/usr/bin/env bash
# The network layer's own LAN tests (net_lan_test.exe) against simulated devices.
. "$(dirname "$0")/lib.sh"

lan_tests_with_three_devices() {
  { device NAS-ONE 00:11:22:33:44:01 192.0.2.21
    device NAS-TWO 00:11:22:33:44:02 192.0.2.22 search.delay_ms=100; } >"$TESTLAN_TMP/a"
  device NAS-FAR 00:11:22:33:44:03 198.51.100.23 search.delay_ms=50 >"$TESTLAN_TMP/c"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/a"
  testlan_sim dev3 198.51.100.23 "$TESTLAN_TMP/c"
  DROVIK_EXPECT_DEVICES=3 testlan_wine pc "$DROVIK_WIN_BIN/net_lan_test.exe" | tr -d '\r'
}

nine_adapters() {
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 >"$TESTLAN_TMP/a"
  testlan_host pc 192.0.2.10/24
  local i
  for i in $(seq 1 8); do testlan_link pc "eth$i" "203.0.113.$((i * 16 + 1))/28"; done
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/a"
  # Only eight adapters take part; the search still ends and lists the device once.
  local out; out=$(drovikctl pc search | cut -f1,2)
  expect_eq "nine adapters" "NAS-ONE	192.0.2.21" "$out"
}

run_case "overlapping and repeated searches" lan_tests_with_three_devices
run_case "nine adapters" nine_adapters
finish
