#!/usr/bin/env bash
# Runs an end-to-end script on a private headless X server of its own. The scripts run side by side,
# and a script's key presses, focus and screen pictures must never meet another script's windows.
#   tests/e2e/own_display.sh tests/e2e/idle_test.sh
. "$(dirname "$0")/../../scripts/lib.sh"
unset DISPLAY
drovik_start_xvfb
bash "$@"
status=$?
drovik_stop_xvfb
exit $status
