#!/usr/bin/env bash
# The program's waits and work while another host floods the group: set-IP and login to silent
# devices, and a search among tens of thousands of spoofed replies (flood_lan_test.exe).
. "$(dirname "$0")/lib.sh"
DROVIK_FLOOD=${DROVIK_FLOOD:-$(dirname "$DROVIK_SIM")/drovik-flood}

# drovik-flood in a host namespace of its own, stopped with the LAN.
flooder() { # host address flood-options...
  local host=$1 address=$2; shift 2
  testlan_host "$host" "$address/24"
  local ready=$TESTLAN_TMP/$host.ready
  ip netns exec "$(testlan_ns "$host")" "$DROVIK_FLOOD" --interface "$address" \
    --ready-file "$ready" "$@" 2>>"$TESTLAN_TMP/$host.log" &
  TESTLAN_PIDS+=($!)
  local i
  for i in $(seq 100); do [ -e "$ready" ] && return 0; sleep 0.05; done
  echo "flooder in $host did not start:" >&2
  cat "$TESTLAN_TMP/$host.log" >&2
  return 1
}

flood_case() { # gtest case name
  testlan_wine pc "$DROVIK_WIN_BIN/flood_lan_test.exe" --gtest_filter="FloodOnTheLan.$1" | tr -d '\r'
}

set_ip_during_a_search_flood() {
  device QUIET 00:11:22:33:44:01 192.0.2.21 setip.silent=1 >"$TESTLAN_TMP/quiet"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/quiet"
  # Another computer searching every 2 ms, five times as often as the wait polls.
  flooder other 192.0.2.40 --searches --every-ms 2
  flood_case SetIpToASilentDeviceEndsWithNoAnswerWhileOthersSearch
}

login_during_a_flood_of_large_datagrams() {
  device QUIET 00:11:22:33:44:01 192.0.2.21 login.silent=1 >"$TESTLAN_TMP/quiet"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/quiet"
  flooder other 192.0.2.40 --large 5000 --every-ms 1
  flood_case LoginToASilentDeviceIsRejectedWhileLargeDatagramsArrive
}

search_among_spoofed_replies() {
  { device NAS-ONE 00:11:22:33:44:01 192.0.2.21
    device NAS-TWO 00:11:22:33:44:02 192.0.2.22 search.delay_ms=20; } >"$TESTLAN_TMP/real"
  testlan_host pc 192.0.2.10/24
  testlan_sim dev1 192.0.2.21 "$TESTLAN_TMP/real"
  # 50 000 answers from made-up devices right after the real ones.
  flooder other 192.0.2.40 --spoof-replies 50000 --delay-ms 100
  flood_case SearchAmongSpoofedRepliesEndsInItsWindowWithTheRealDevices
}

run_case "set-IP to a silent device during a search flood" set_ip_during_a_search_flood
run_case "login to a silent device during a flood of large datagrams" login_during_a_flood_of_large_datagrams
run_case "search among 50 000 spoofed replies" search_among_spoofed_replies
finish
