#!/usr/bin/env bash
# The search as the user sees it, with the real program: three devices answering 100, 900 and
# 1800 ms after the search arrives are listed one by one while the search still listens, the final
# list and selection follow; with no device at all the window explains why, and Refresh finds a
# device that has started meanwhile. DROVIK_SEARCH_PHOTOS=DIR keeps pictures of both (PNG).
. "$(dirname "$0")/lib.sh"
. "$E2E_DIR/program_lib.sh"
program_require_tools

staggered_devices() {
  device Early 00:1b:ac:00:01:01 192.0.2.31 gateway=192.0.2.1 search.delay_ms=100
  device Middle 00:1b:ac:00:01:02 192.0.2.32 gateway=192.0.2.1 search.delay_ms=900
  device Late 00:1b:ac:00:01:03 192.0.2.33 gateway=192.0.2.1 search.delay_ms=1800
}

photo() { # name
  [ -n "${DROVIK_SEARCH_PHOTOS:-}" ] || return 0
  mkdir -p "$DROVIK_SEARCH_PHOTOS"
  echo "screenshot $(windows_path "$DROVIK_SEARCH_PHOTOS/$1.bmp")"
}

photo_png() { # name
  [ -n "${DROVIK_SEARCH_PHOTOS:-}" ] || return 0
  convert "$DROVIK_SEARCH_PHOTOS/$1.bmp" "$DROVIK_SEARCH_PHOTOS/$1.png" && rm "$DROVIK_SEARCH_PHOTOS/$1.bmp"
}

# The program is started by the driver itself, so that its clock counts from the process start.
started_session() { # lines of the script after the window appeared
  testlan_wine pc "$PROGRAM_WIN_BIN/uidriver.exe" <<SCRIPT
timeout 30000
start $(windows_path "$PROGRAM_WIN_BIN/drovik.exe")
window has=IDC_CONNECT
$(cat)
SCRIPT
}

devices_are_listed_as_they_answer() {
  testlan_host pc 192.0.2.10/24
  staggered_devices >"$TESTLAN_TMP/devices.cfg"
  testlan_sim devices 192.0.2.30 "$TESTLAN_TMP/devices.cfg"
  program_prefix
  program_settings "[Current]" "ServName=late" "[Used]" "FirstOpen=FALSE"
  local answers
  answers=$(started_session <<SCRIPT
await 1 count IDC_DEVICE_LIST
clock
visible IDC_SEARCH_PROGRESS
selected IDC_DEVICE_LIST
enabled IDC_DEVICE_LIST IDC_CONNECT IDC_REFRESH
$(photo search-filling)
await - visible IDC_SEARCH_PROGRESS
items IDC_DEVICE_LIST
selected IDC_DEVICE_LIST
enabled $STATE_CONTROLS
visible IDC_SEARCH_EXPLANATION
$(photo search-finished)
click IDC_CLOSE
wait-gone
SCRIPT
)
  photo_png search-filling
  photo_png search-finished
  echo "process start to the first device listed: $(head -n 1 <<<"$answers") ms"
  expect_eq "the first device listed while the search listens, then the whole list and ServName" \
    "V
Early
E--
Early
Middle
Late
Late
$STATE_LOGGED_OUT
-" "$(tail -n +2 <<<"$answers")"
}

no_device_explains_and_refresh_finds_one() {
  testlan_host pc 192.0.2.10/24
  program_prefix
  program_settings "[Used]" "FirstOpen=FALSE"
  program_start
  local answers
  answers=$(drive <<SCRIPT
await V visible IDC_SEARCH_EXPLANATION
$(photo search-explained)
text IDC_SEARCH_EXPLANATION
visible IDC_SEARCH_AGAIN
enabled IDC_REFRESH IDC_CONNECT
count IDC_DEVICE_LIST
SCRIPT
)
  photo_png search-explained
  expect_eq "the explanation, Search again, Refresh usable" \
    "No NAS was found.
Adapter 192.0.2.10 (mask 255.255.255.0): search sent, 0 datagrams heard, 0 ignored.
Nothing at all was heard. Likely causes:
- a firewall on this computer blocks inbound UDP port 13579, where the devices answer
- the adapter is a VPN adapter that does not carry multicast (224.0.0.1), so the search never reached the devices
- the device is still starting: search again in a minute
V
EE
0" "$answers"

  device Started 00:1b:ac:00:02:01 192.0.2.41 gateway=192.0.2.1 >"$TESTLAN_TMP/started.cfg"
  testlan_sim started 192.0.2.41 "$TESTLAN_TMP/started.cfg"
  answers=$(drive <<SCRIPT
click IDC_REFRESH
await -- visible IDC_SEARCH_EXPLANATION IDC_SEARCH_AGAIN
await $STATE_LOGGED_OUT enabled $STATE_CONTROLS
items IDC_DEVICE_LIST
visible IDC_SEARCH_EXPLANATION IDC_SEARCH_AGAIN
click IDC_CLOSE
wait-gone
SCRIPT
)
  expect_eq "Refresh lists the device that started meanwhile" $'Started\n--' "$answers"
}

run_case "devices are listed as they answer" devices_are_listed_as_they_answer
run_case "no device: the explanation, then Refresh finds one" no_device_explains_and_refresh_finds_one
finish
