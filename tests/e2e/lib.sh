# shellcheck shell=bash
# End-to-end cases: simulated devices and the real program on a test LAN made for each case.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$E2E_DIR/../../scripts/lib.sh"
. "$DROVIK_ROOT/scripts/testlan"
DROVIK_SIM=${DROVIK_SIM:-$DROVIK_HOST_TREE/bin/drovik-nas-sim}
DROVIK_WIN_BIN=${DROVIK_WIN_BIN:-$DROVIK_WIN_TREE/bin}

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the test LAN needs root"
  exit 77
fi
for needed in "$DROVIK_SIM" "$DROVIK_WIN_BIN/drovikctl.exe" "$DROVIK_WINEPREFIX/system.reg"; do
  [ -e "$needed" ] || { echo "missing $needed (run scripts/build)"; exit 1; }
done

E2E_PASSED=0
E2E_FAILED=0
E2E_LEFT_OUT=0

# Prints one [device] section of a simulator configuration.
device() { # name mac address [key=value...]
  printf '[device]\nname=%s\nmac=%s\naddress=%s\nmask=255.255.255.0\n' "$1" "$2" "$3"
  shift 3
  local pair
  for pair in "$@"; do printf '%s\n' "$pair"; done
}

drovikctl() { # host args...
  local host=$1; shift
  testlan_wine "$host" "$DROVIK_WIN_BIN/drovikctl.exe" "$@"
}

fail() { echo "FAIL: $*" >&2; return 1; }

expect_eq() { # what expected actual
  [ "$2" == "$3" ] && return 0
  fail "$1"$'\n'"--- expected:"$'\n'"$2"$'\n'"--- got:"$'\n'"$3"
}

# DROVIK_CASE=PATTERN (an extended regular expression, as ctest -R takes) runs only the cases whose
# names match it; the others are counted as left out.
case_selected() { # name
  if [ -n "${DROVIK_CASE:-}" ] && ! [[ $1 =~ $DROVIK_CASE ]]; then
    E2E_LEFT_OUT=$((E2E_LEFT_OUT + 1))
    return 1
  fi
}

# Runs one case, a command in a subshell with "set -e" in force, and reports its result; returns
# its status.
report_case() { # name command...
  local started=$SECONDS status
  # Not inside "if": there the subshell's "set -e" would be ignored and only its last command count.
  ( set -eo pipefail; "${@:2}" )
  status=$?
  if [ "$status" -eq 0 ]; then
    echo "ok   $1 ($((SECONDS - started)) s)"
  else
    echo "FAIL $1 ($((SECONDS - started)) s)"
  fi
  return "$status"
}

count_result() { # status
  if [ "$1" -eq 0 ]; then E2E_PASSED=$((E2E_PASSED + 1)); else E2E_FAILED=$((E2E_FAILED + 1)); fi
}

count_case() { # name command...
  case_selected "$1" || return 0
  report_case "$@"
  local status=$?
  count_result "$status"
  return "$status"
}

with_own_lan() { # function
  testlan_begin
  "$1"
}

# Runs one case with a LAN of its own, torn down whatever happens.
run_case() { # name function
  count_case "$1" with_own_lan "$2"
}

# Cases that start no window may run side by side, each on its LAN of its own: most of their time
# is spent waiting for a device's answer or for its silence to last. run_side_case starts one in the
# background, at most DROVIK_SIDE_CASES (3) at a time, beside the cases that run in the foreground;
# their reports are printed at the end, in the order the cases were started.
E2E_SIDE_PIDS=()
E2E_SIDE_LOGS=()
run_side_case() { # name function
  case_selected "$1" || return 0
  while [ "$(jobs -rp | wc -l)" -ge "${DROVIK_SIDE_CASES:-3}" ]; do sleep 0.2; done
  local log; log=$(mktemp)
  report_case "$1" with_own_lan "$2" >"$log" 2>&1 &
  E2E_SIDE_PIDS+=($!)
  E2E_SIDE_LOGS+=("$log")
}

collect_side_cases() {
  local i status
  for i in "${!E2E_SIDE_PIDS[@]}"; do
    status=0
    wait "${E2E_SIDE_PIDS[$i]}" || status=$?
    cat "${E2E_SIDE_LOGS[$i]}"
    rm -f "${E2E_SIDE_LOGS[$i]}"
    count_result "$status"
  done
  E2E_SIDE_PIDS=()
  E2E_SIDE_LOGS=()
}

# Ends the script: 0 when every case run passed, 77 (skipped) when DROVIK_CASE left out every case.
finish() {
  collect_side_cases
  if [ "$E2E_LEFT_OUT" -gt 0 ]; then
    echo "$E2E_PASSED passed, $E2E_FAILED failed, $E2E_LEFT_OUT not matching DROVIK_CASE=$DROVIK_CASE"
    [ $((E2E_PASSED + E2E_FAILED)) -eq 0 ] && return 77
  else
    echo "$E2E_PASSED passed, $E2E_FAILED failed"
  fi
  [ "$E2E_FAILED" -eq 0 ]
}
