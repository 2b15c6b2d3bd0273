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

run_case "overlapping and repeated searches" lan_tests_with_three_devices
finish
