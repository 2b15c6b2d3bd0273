# shellcheck shell=bash
# The real program on the test LAN, for the end-to-end cases, the demo and the measurements:
# simulated devices, the computer's Wine prefix made ready for the program (settings file, a
# recorder standing in for the browser and the file manager, the devices' shares as folders),
# drovik.exe started in the computer's namespace and driven from outside by uidriver.
#
#   . tests/e2e/program_lib.sh           (after scripts/lib.sh and scripts/testlan)
#   testlan_begin
#   program_lan                           # pc 192.0.2.10, HomeNAS, Attic and Workshop
#   program_settings "[Current]" "ServName=attic"
#   program_start
#   drive <<<'click IDC_REFRESH'          # a uidriver script against the main window
#   program_stop
PROGRAM_WIN_BIN=${DROVIK_WIN_BIN:-$DROVIK_WIN_TREE/bin}
PROGRAM_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Skips the calling script without the program; stops it without the tools that drive it.
program_require_tools() {
  if [ ! -e "$PROGRAM_WIN_BIN/drovik.exe" ]; then
    echo "skipped: no drovik.exe in $PROGRAM_WIN_BIN"
    exit 77
  fi
  local needed
  for needed in "$PROGRAM_WIN_BIN/uidriver.exe" "$PROGRAM_WIN_BIN/open_recorder.exe"; do
    [ -e "$needed" ] || { echo "missing $needed (run scripts/build)"; exit 1; }
  done
}

# The devices: HomeNAS answers first, then Attic, then Workshop, which sits on another subnet.
program_devices() {
  cat <<'CFG'
[device]
name=HomeNAS
mac=00:1b:ac:00:00:01
address=192.0.2.21
mask=255.255.255.0
gateway=192.0.2.1
user=admin:a&b #1
user=alice:wonderland:1,0,1,1,1,1
disk=sda:2000
disk=sdb:2000
volume=1:450:120:raid1
volume=2:900:5
volume=3:1200:1100
volume=4:300:0
share=admin:Music
share=admin:Photos
share=admin:..
share=admin:Family Backup
share=alice:Music
[device]
name=Attic
mac=00:1b:ac:00:00:02
address=192.0.2.22
mask=255.255.255.0
gateway=192.0.2.1
dhcp=1
search.delay_ms=150
CFG
}

program_far_device() {
  cat <<'CFG'
[device]
name=Workshop
mac=00:1b:ac:00:00:03
address=198.51.100.23
mask=255.255.255.0
gateway=198.51.100.1
user=alice:wonderland
search.delay_ms=300
CFG
}

# Windows form of a path of this machine (Wine's drive Z: is the root).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

program_lan() {
  program_devices >"$TESTLAN_TMP/home.cfg"
  program_far_device >"$TESTLAN_TMP/far.cfg"
  testlan_host pc 192.0.2.10/24
  testlan_sim home 192.0.2.21 "$TESTLAN_TMP/home.cfg"
  testlan_sim far 198.51.100.23 "$TESTLAN_TMP/far.cfg"
  program_prefix
}

# The computer's prefix: the recorder opens web addresses and folders (Wine asks a folder's DDE
# server otherwise and fails with 31), and \\192.0.2.21\<share> are folders of this run.
program_prefix() {
  testlan_wine pc cmd /c exit  # copies the prefix and starts its server inside the namespace
  PROGRAM_PREFIX=$TESTLAN_TMP/wine-pc
  PROGRAM_OPENED=$TESTLAN_TMP/opened.txt
  local recorder command
  recorder=$(windows_path "$PROGRAM_WIN_BIN/open_recorder.exe")
  command="\"$recorder\" \"$(windows_path "$PROGRAM_OPENED")\" \"%1\""
  command=${command//\\/\\\\}
  command=${command//\"/\\\"}
  cat >"$TESTLAN_TMP/open.reg" <<REG
REGEDIT4

[HKEY_CLASSES_ROOT\\http\\shell\\open\\command]
@="$command"

[-HKEY_CLASSES_ROOT\\http\\shell\\open\\ddeexec]

[HKEY_CLASSES_ROOT\\Folder\\shell\\open\\command]
@="$command"

[-HKEY_CLASSES_ROOT\\Folder\\shell\\open\\ddeexec]
REG
  testlan_wine pc regedit /S "$(windows_path "$TESTLAN_TMP/open.reg")"
  local share
  for share in Music Photos "Family Backup"; do mkdir -p "$TESTLAN_TMP/shares/$share"; done
  mkdir -p "$PROGRAM_PREFIX/dosdevices/unc"
  ln -sfn "$TESTLAN_TMP/shares" "$PROGRAM_PREFIX/dosdevices/unc/192.0.2.21"
}

program_settings_file() { echo "$PROGRAM_PREFIX/drive_c/users/$(id -un)/AppData/Roaming/Tamsel/Tamsel.ini"; }

# Replaces the settings file with these lines.
program_settings() { # line...
  local file; file=$(program_settings_file)
  mkdir -p "$(dirname "$file")"
  printf '%s\r\n' "$@" >"$file"
}

program_start() {
  testlan_wine pc "$PROGRAM_WIN_BIN/drovik.exe" >>"$TESTLAN_TMP/program.log" 2>&1 &
  PROGRAM_PID=$!
  drive <<<'' >/dev/null
}

# Runs a uidriver script from standard input against the program's main window.
drive() {
  { echo "timeout ${DRIVE_TIMEOUT_MS:-15000}"; echo "window has=IDC_CONNECT"; cat; } |
    testlan_wine pc "$PROGRAM_WIN_BIN/uidriver.exe"
}

program_stop() {
  drive <<<$'click IDC_CLOSE\nwait-gone'
}

# Runs one case of the shared session; after a failure the next case still runs.
step() { # name function
  count_case "$1" "$2" || recover
}

# After a failed case: a message box, the wizard or the login dialog left open would fail the next
# case too.
recover() {
  DRIVE_TIMEOUT_MS=500 drive <<<'answer OK' >/dev/null 2>&1 || true
  DRIVE_TIMEOUT_MS=500 drive <<<$'window has=IDC_WIZARD_CLOSE\nclick IDC_WIZARD_CLOSE\nwait-gone' >/dev/null 2>&1 || true
  DRIVE_TIMEOUT_MS=500 drive <<<$'window has=IDC_LOGIN_CANCEL\nclick IDC_LOGIN_CANCEL' >/dev/null 2>&1 || true
}

# The program's state as the enabled flags of every control that the login state switches, in
# the order: 1015 1016 1000 1001 1002 1079 1003 1004 1005 1006 1007 1008 1009 1010 1011 1012 1014.
STATE_CONTROLS="IDC_SELECT_SHORTCUT IDC_AUTO_SORTING IDC_SHORTCUT_WIZARD IDC_SHORTCUT_FOLDER IDC_SHORTCUT_PLAY_CENTER \
IDC_SHORTCUT_FILE_CENTER IDC_SHORTCUT_MANAGEMENT_CENTER IDC_SHORTCUT_DOWNLOAD_CENTER IDC_SHORTCUT_BACKUP_CENTER IDC_MAIN_NETWORK \
IDC_MAIN_DRIVE_MAPPING IDC_SHORTCUT_SURVEILLANCE_CENTER IDC_CONNECT IDC_REFRESH IDC_LOGOUT IDC_SETTINGS \
IDC_DEVICE_LIST"
STATE_SEARCHING=----------------E  # the device list fills while the search listens
STATE_LOGGED_OUT=------------EE--E
# The list fills while the search listens: a count of entries says nothing about its end, the bar
# under the list does (hidden once the search has ended).
SEARCH_ENDED="await - visible IDC_SEARCH_PROGRESS"
STATE_ADMINISTRATOR=EEEEEEEEEEEEEEEEE

# Connect to the selected device through the login dialog, once the search has ended.
login_lines() { # user password
  printf '%s\nclick IDC_CONNECT\nwindow has=IDC_LOGIN_OK\ntype IDC_LOGIN_USER_NAME "%s"\n' "$SEARCH_ENDED" "$1"
  printf 'type IDC_LOGIN_PASSWORD "%s"\nclick IDC_LOGIN_OK\nwindow has=IDC_CONNECT\n' "$2"
}

# Waits until the recorder has written something; prints it.
opened_record() {
  local i
  for i in $(seq 100); do
    [ -s "$PROGRAM_OPENED" ] && break
    sleep 0.1
  done
  cat "$PROGRAM_OPENED" 2>/dev/null
  rm -f "$PROGRAM_OPENED"
}

# Visits a web address from the computer's namespace as a browser does.
browser_visit() { # url
  ip netns exec "$(testlan_ns pc)" python3 "$PROGRAM_DIR/browser_visit.py" "$1"
}
