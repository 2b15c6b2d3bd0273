#!/usr/bin/env bash
# The demo as a newcomer runs it, on the built tree: without DISPLAY it walks the program on a
# headless X server and saves four pictures; on a display it keeps the program open until the window
# is closed, then ends by itself.
. "$(dirname "$0")/lib.sh"

# The demo builds and runs the trees under DROVIK_BUILD_DIR; they must be the ones under test, or it
# would build a tree of its own.
for tree in host windows; do
  [ "$DROVIK_BUILD_DIR/$tree/bin" -ef "$([ $tree = host ] && dirname "$DROVIK_SIM" || echo "$DROVIK_WIN_BIN")" ] || {
    echo "skipped: the tested trees are not the demo's ($DROVIK_BUILD_DIR)"
    exit 77
  }
done
SHOTS=$DROVIK_BUILD_DIR/demo
PICTURES=(1-devices-found 2-login 3-logged-in 4-shares)
LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT

headless_walk_saves_four_pictures() {
  local name
  for name in "${PICTURES[@]}"; do rm -f "$SHOTS/$name.png"; done
  env -u DISPLAY "$DROVIK_ROOT/scripts/demo" >"$LOG" 2>&1 || { cat "$LOG"; fail "the demo failed"; }
  for name in "${PICTURES[@]}"; do
    # A window that was never drawn would give a picture of one colour.
    local spread
    spread=$(convert "$SHOTS/$name.png" -format '%[fx:standard_deviation > 0.01]' info:) ||
      fail "no picture $name"
    expect_eq "$name has a drawn window" 1 "$spread"
    grep -qF "$SHOTS/$name.png" "$LOG" || fail "the summary does not name $name.png"
  done
  grep -q "DISPLAY=:0 scripts/demo" "$LOG" || fail "the summary does not say how to run on a display"
}

# The demo's computer namespace and its Wine prefix, found by the demo's process id.
demo_drive() { # demo-pid uidriver-script
  local id prefix
  prefix=$(compgen -G "/tmp/dl$(printf '%05d' "$1")????.*/wine-pc" | head -n 1)
  [ -f "$prefix/system.reg" ] || return 1
  id=${prefix#/tmp/}; id=${id%%.*}
  printf '%s\n' "$2" | ip netns exec "$id-pc" env WINEPREFIX="$prefix" WINEDEBUG=-all \
    wine "$DROVIK_WIN_BIN/uidriver.exe"
}

display_branch_ends_when_the_window_is_closed() {
  unset DISPLAY
  drovik_start_xvfb
  "$DROVIK_ROOT/scripts/demo" >"$LOG" 2>&1 &
  local demo=$! i closed=0
  trap 'kill "$demo" 2>/dev/null; wait "$demo"; drovik_stop_xvfb' EXIT
  # The build check and the LAN come first; then the window is there to be closed as a user does.
  for i in $(seq 600); do
    demo_drive "$demo" $'timeout 30000\nwindow has=IDC_CONNECT\nawait 3 count IDC_DEVICE_LIST\nclick IDC_CLOSE' \
      >/dev/null 2>&1 && { closed=1; break; }
    kill -0 "$demo" 2>/dev/null || { cat "$LOG"; fail "the demo ended before its window was closed"; }
    sleep 0.5
  done
  [ "$closed" -eq 1 ] || fail "the demo's window was not found on its LAN to be closed"
  for i in $(seq 60); do kill -0 "$demo" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$demo" 2>/dev/null && fail "the demo still runs 30 s after its window was closed"
  local status=0
  wait "$demo" || status=$?
  trap drovik_stop_xvfb EXIT
  expect_eq "the demo's exit status" 0 "$status" || { cat "$LOG"; return 1; }
  grep -q "What you just used" "$LOG" || fail "no summary at the end"
}

count_case "without DISPLAY: the walk and its four pictures" headless_walk_saves_four_pictures
count_case "on a display: ends when the window is closed" display_branch_ends_when_the_window_is_closed
finish
