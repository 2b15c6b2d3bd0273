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

no_device_gives_an_empty_list_and_the_likely_causes() {
  testlan_host pc 192.0.2.10/24
  device SILENT 00:11:22:33:44:09 192.0.2.29 search.silent=1 >"$TESTLAN_TMP/s"
  testlan_sim dev1 192.0.2.29 "$TESTLAN_TMP/s"
  expect_eq "no devices" "" "$(drovikctl pc search)"
  local out; out=$(drovikctl pc search --explain)
  expect_eq "what the adapter did, then the likely causes" \
"adapter 1: 192.0.2.10 mask 255.255.255.0
  search sent: yes
  datagrams heard: 0, accepted: 0, ignored: 0
  ignored as another product: 0, as an answer to another search: 0, as too short or malformed: 0, as not a search answer: 0
  devices found through it: 0
  devices found on another subnet: 0
nothing at all was heard. Likely causes:
  - a firewall on this computer blocks inbound UDP port 13579, where the devices answer;
  - the adapter is a VPN adapter that does not carry multicast (224.0.0.1), so the search never reached the devices;
  - the device is still starting: search again in a minute." "$out"
}

explain_gives_every_ignore_reason() {
  { device GOOD 00:11:22:33:44:01 192.0.2.21
    device FAR 00:11:22:33:44:03 198.51.100.23 search.delay_ms=100
    device OTHER-KIND 00:11:22:33:44:04 192.0.2.24 search.foreign_model=1
    device ELSEWHERE 00:11:22:33:44:05 192.0.2.25 search.wrong_id=1 search.answers=2
    device CUT 00:11:22:33:44:06 192.0.2.26 search.truncated=1; } >"$TESTLAN_TMP/d"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/d"
  local out; out=$(drovikctl pc search --explain | tail -n +3)
  expect_eq "counts by reason, the device on another subnet" \
"adapter 1: 192.0.2.10 mask 255.255.255.0
  search sent: yes
  datagrams heard: 6, accepted: 2, ignored: 4
  ignored as another product: 1, as an answer to another search: 2, as too short or malformed: 1, as not a search answer: 0
  devices found through it: 2 (GOOD 192.0.2.21, FAR 198.51.100.23)
  devices found on another subnet: 1 (FAR 198.51.100.23); logging in as administrator offers to move them to this subnet" "$out"
}

device_without_a_name_keeps_every_field() {
  printf '[device]\nmac=00:11:22:33:44:07\naddress=192.0.2.27\nmask=255.255.255.0\n' >"$TESTLAN_TMP/n"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.27 "$TESTLAN_TMP/n"
  expect_eq "seven fields, the first empty" \
"	192.0.2.27	255.255.255.0		0	00:11:22:33:44:07	192.0.2.10" "$(drovikctl pc search)"
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

# The computer gets `count` adapters, each on a subnet of its own, and each subnet one device that
# answers the later the lower its adapter: the list runs from the last adapter's device to the
# first's, each reached through the adapter of its subnet, and each listed once although every
# adapter hears every device. One more device sits on no adapter's subnet: it keeps the adapter its
# answer reached first, which the bridge decides.
several_adapters() { # count
  local count=$1 i
  testlan_host pc 192.0.2.10/24
  [ "$count" -ge 2 ] && testlan_link pc eth1 198.51.100.10/24
  for ((i = 2; i < count; i++)); do testlan_link pc "eth$i" "203.0.113.$((i * 16 + 1))/28"; done
  local expected="" address adapter prefix
  for ((i = count - 1; i >= 0; i--)); do
    case $i in
      0) address=192.0.2.21 adapter=192.0.2.10 prefix=24 ;;
      1) address=198.51.100.21 adapter=198.51.100.10 prefix=24 ;;
      *) address=203.0.113.$((i * 16 + 5)) adapter=203.0.113.$((i * 16 + 1)) prefix=28 ;;
    esac
    device "DEV$i" "00:11:22:33:45:0$i" "$address" "search.delay_ms=$((100 + 100 * (count - 1 - i)))" \
      "mask=$([ "$prefix" = 28 ] && echo 255.255.255.240 || echo 255.255.255.0)" >"$TESTLAN_TMP/dev$i"
    testlan_sim "dev$i" "$address" "$TESTLAN_TMP/dev$i" "$prefix"
    expected+="DEV$i	$address	$adapter"$'\n'
  done
  device OUTSIDER 00:11:22:33:45:99 203.0.113.250 search.delay_ms=1000 mask=255.255.255.240 \
    >"$TESTLAN_TMP/out"
  testlan_sim outsider 203.0.113.250 "$TESTLAN_TMP/out" 28
  local out; out=$(drovikctl pc search)
  expect_eq "$count adapters: order of first answer, the adapter of each device's subnet" \
    "${expected%$'\n'}" "$(grep -v OUTSIDER <<<"$out" | cut -f1,2,7)"
  expect_eq "the outsider once, last" "OUTSIDER" "$(tail -n 1 <<<"$out" | cut -f1)"
  expect_eq "$((count + 1)) devices" "$((count + 1))" "$(wc -l <<<"$out")"
  # Measured, not checked: how long one search takes with this many adapters.
  DROVIK_EXPECT_DEVICES=$((count + 1)) testlan_wine pc "$DROVIK_WIN_BIN/net_lan_test.exe" \
    --gtest_filter='*Measured*' | tr -d '\r' | grep -E '^measured:|Failure|Which is|^  '
}

one_adapter() { several_adapters 1; }
two_adapters() { several_adapters 2; }
four_adapters() { several_adapters 4; }
eight_adapters() { several_adapters 8; }

three_hundred_devices_on_one_adapter() {
  # One simulator: 200 devices on the computer's subnet and 100 on another.
  { device FARM 02:00:00:00:10:00 192.0.2.20 count=200
    device SHED 02:00:00:00:20:00 198.51.100.20 count=100; } >"$TESTLAN_TMP/farm"
  testlan_host pc 192.0.2.10/24
  testlan_sim farm 192.0.2.20 "$TESTLAN_TMP/farm"
  local out; out=$(drovikctl pc search --explain)
  expect_eq "three hundred devices" \
    "$(for i in $(seq 1 200); do echo "FARM $i"; done; for i in $(seq 1 100); do echo "SHED $i"; done)" \
    "$(grep -v '^ \|^adapter' <<<"$out" | cut -f1 | sort -V)"
  grep -qx '  datagrams heard: 300, accepted: 300, ignored: 0' <<<"$out" ||
    fail "every answer heard once: $(grep heard <<<"$out")"
  grep -q '^  devices found through it: 300 (' <<<"$out" || fail "$(grep 'through it' <<<"$out")"
  grep -q '^  devices found on another subnet: 100 (SHED 1 198.51.100.20, ' <<<"$out" ||
    fail "$(grep 'another subnet' <<<"$out")"
  DROVIK_EXPECT_DEVICES=300 testlan_wine pc "$DROVIK_WIN_BIN/net_lan_test.exe" \
    --gtest_filter='*Measured*' | tr -d '\r' | grep -E '^measured:|Failure|Which is|^  '
}

more_adapters_than_rows() {
  device NAS-ONE 00:11:22:33:44:01 192.0.2.21 >"$TESTLAN_TMP/a"
  testlan_host pc 192.0.2.10/24
  local i
  # 33 more, 34 in all: the two listed last by the system are left out.
  for i in $(seq 1 33); do testlan_link pc "eth$i" "203.0.113.$((i * 4 + 1))/30"; done
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/a"
  local out; out=$(drovikctl pc search --explain)
  expect_eq "the device, once" "NAS-ONE	192.0.2.21" "$(head -n 1 <<<"$out" | cut -f1,2)"
  expect_eq "32 adapters searched" 32 "$(grep -c '^adapter [0-9]*:' <<<"$out")"
  expect_eq "two left out" 2 "$(grep -c '^adapter left out: 203.0.113.' <<<"$out")"
}

run_side_case "three devices in first-answer order" three_devices_in_first_answer_order
run_side_case "no device, and why" no_device_gives_an_empty_list_and_the_likely_causes
run_side_case "ignore reasons explained" explain_gives_every_ignore_reason
run_side_case "device without a name" device_without_a_name_keeps_every_field
run_side_case "two adapters" one_record_per_device_across_two_adapters
run_side_case "one adapter" one_adapter
run_side_case "two adapters, one search window" two_adapters
run_side_case "four adapters" four_adapters
run_side_case "eight adapters" eight_adapters
run_side_case "300 devices on one adapter" three_hundred_devices_on_one_adapter
run_side_case "more adapters than rows" more_adapters_than_rows
finish
