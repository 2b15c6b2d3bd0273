#!/usr/bin/env bash
# Mapping the device's shares to drive letters on the test LAN: drovikctl map, unmap and mappings,
# and the wizard's drive mapping page of the real program driven from outside.
#
# Wine has no network provider, so the programs run from a folder of their own beside a stand-in
# mpr.dll (mpr_standin.cpp) that keeps each connection as a remote drive of Wine's mount manager
# and writes down every call; \\192.0.2.21\<share> leads to a folder of the run (program_lib.sh).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/program_lib.sh"

ADMIN=(--device HomeNAS --user admin --password 'a&b #1')

# The programs beside the stand-in; every Wine program of the run loads it from there.
mapping_lan() {
  program_lan
  MAPPING_BIN=$TESTLAN_TMP/mapping-bin
  mkdir -p "$MAPPING_BIN"
  cp "$DROVIK_WIN_BIN/drovikctl.exe" "$DROVIK_WIN_BIN/drovik.exe" "$DROVIK_WIN_BIN/uidriver.exe" \
    "$DROVIK_WIN_BIN/mpr_standin/mpr.dll" "$MAPPING_BIN/"
  PROGRAM_WIN_BIN=$MAPPING_BIN
  MPR_LOG=$TESTLAN_TMP/mpr.log
  TESTLAN_WINE_ENV=("WINEDLLOVERRIDES=mscoree,mshtml=;mpr=n" "DROVIK_MPR_LOG=$(windows_path "$MPR_LOG")")
  echo "in Music" >"$TESTLAN_TMP/shares/Music/readme.txt"
}

ctl() { testlan_wine pc "$MAPPING_BIN/drovikctl.exe" "$@" "${ADMIN[@]}"; }

# The connection calls the stand-in saw since the last look (the reads of the letters left out).
connection_calls() {
  grep -v '^WNetGetConnectionW' "$MPR_LOG" 2>/dev/null || true
  : >"$MPR_LOG"
}

# A file of a mapped drive, read through the drive by a Windows program.
read_through() { testlan_wine pc cmd /c type "$1" | tr -d '\r'; }

commands_map_remap_and_unmap() {
  mapping_lan
  expect_eq "nothing mapped" $'Music\t\nPhotos\t\n..\t\nFamily Backup\t' "$(ctl mappings)"
  expect_eq "map" "Mount sucess." "$(ctl map Music y)"
  expect_eq "what the provider was handed" \
    'WNetAddConnection2W type=1 local=Y: remote=\\192.0.2.21\Music provider=(null) user=admin password=a&b #1 flags=0x9' \
    "$(connection_calls)"
  expect_eq "mapped" $'Music\tY:' "$(ctl mappings | head -1)"
  expect_eq "a file through Y:" "in Music" "$(read_through 'Y:\readme.txt')"
  expect_eq "the same letter again" "" "$(ctl map Music Y:)"
  expect_eq "nothing handed over for it" "" "$(connection_calls)"

  expect_eq "remap" "Mount sucess" "$(ctl map Music X)"
  expect_eq "old one removed first" \
    $'WNetCancelConnection2W Y: flags=0x1 force=1\nWNetAddConnection2W type=1 local=X: remote=\\\\192.0.2.21\\Music provider=(null) user=admin password=a&b #1 flags=0x9' \
    "$(connection_calls)"
  expect_eq "remapped" $'Music\tX:' "$(ctl mappings | head -1)"

  expect_eq "unmap" "umount sucess." "$(ctl unmap X)"
  expect_eq "removed" $'Music\t' "$(ctl mappings | head -1)"
}

commands_refuse_what_the_page_does_not_offer() {
  mapping_lan
  ctl map Photos W >/dev/null
  local status
  # Another share's letter, a local drive, a share the user does not have, a letter without a mapping.
  for refused in "map Music W" "map Music C" "map Nothing V" "unmap V"; do
    status=0
    # shellcheck disable=SC2086
    ctl $refused >/dev/null 2>"$TESTLAN_TMP/err" || status=$?
    expect_eq "$refused refused" 1 "$status"
  done
  status=0; ctl map Music 7 >/dev/null 2>&1 || status=$?
  expect_eq "not a letter" 2 "$status"
  expect_eq "only the first mapping reached the provider" 1 "$(connection_calls | grep -c WNetAddConnection2W)"
  # A share the device lists but the computer cannot reach: the provider's failure is the message.
  rm "$PROGRAM_PREFIX/dosdevices/unc/192.0.2.21"
  status=0; ctl map Music V >/dev/null 2>"$TESTLAN_TMP/err" || status=$?
  expect_eq "unreachable share" 1 "$status"
  expect_eq "its message" "Mount error." "$(cat "$TESTLAN_TMP/err")"
}

# Opens the wizard from the logged-in main window and shows its drive mapping page, first row read.
open_mapping_page_lines() {
  printf 'click IDC_SHORTCUT_WIZARD\nwindow has=IDC_WIZARD_STEP_DRIVE_MAPPING\n'
  printf 'click IDC_WIZARD_STEP_DRIVE_MAPPING\nawait Music cell IDC_DRIVE_MAPPING_LIST 0 0\n'
}

# Chooses `letter` for the first row (Music) in the page's choice list and answers the message;
# prints the choices offered, the message and the row's location afterwards.
choose_lines() { # letter
  printf 'click-cell IDC_DRIVE_MAPPING_LIST 0 1\nclick-cell IDC_DRIVE_MAPPING_LIST 0 1\n'
  printf 'cell-choices IDC_DRIVE_MAPPING_LIST\nchoose-cell IDC_DRIVE_MAPPING_LIST %s\n' "$1"
  printf 'message\nanswer OK\ncell IDC_DRIVE_MAPPING_LIST 0 1\n'
}

close_wizard_lines() { printf 'click IDC_WIZARD_EXIT\nwait-gone\n'; }

page_maps_remaps_and_removes() {
  mapping_lan
  program_start
  local answers
  answers=$(drive <<SCRIPT
await 3 count IDC_DEVICE_LIST
$SEARCH_ENDED
pick IDC_DEVICE_LIST HomeNAS
$(login_lines admin 'a&b #1')
answer CANCEL
await "Welcome admin" text IDC_MAIN_WELCOME
$(open_mapping_page_lines)
cell IDC_DRIVE_MAPPING_LIST 0 1
$(choose_lines Y:)
$(close_wizard_lines)
SCRIPT
)
  # C: and Z: are the prefix's own drives.
  local letters="select Y: X: W: V: U: T: S: R: Q: P: O: N: M: L: K: J: I: H: G: F: E: D: B: A:"
  expect_eq "first mapping" "select
${letters// /$'\n'}
Mount sucess.
Y:" "$answers"
  expect_eq "what the provider was handed" \
    'WNetAddConnection2W type=1 local=Y: remote=\\192.0.2.21\Music provider=(null) user=admin password=a&b #1 flags=0x9' \
    "$(connection_calls)"
  expect_eq "a file through Y:" "in Music" "$(read_through 'Y:\readme.txt')"

  answers=$(drive <<SCRIPT
$(open_mapping_page_lines)
cell IDC_DRIVE_MAPPING_LIST 0 1
$(choose_lines X:)
$(choose_lines select)
$(close_wizard_lines)
SCRIPT
)
  expect_eq "opened again, remapped, removed" "Y:
${letters// /$'\n'}
Mount sucess
X:
${letters// /$'\n'}
umount sucess.
select" "$answers"
  expect_eq "the old mapping went first" \
    $'WNetCancelConnection2W Y: flags=0x1 force=1\nWNetAddConnection2W type=1 local=X: remote=\\\\192.0.2.21\\Music provider=(null) user=admin password=a&b #1 flags=0x9\nWNetCancelConnection2W X: flags=0x1 force=1' \
    "$(connection_calls)"
  program_stop
}

run_side_case "drovikctl map, remap and unmap" commands_map_remap_and_unmap
run_side_case "drovikctl refuses what the page does not offer" commands_refuse_what_the_page_does_not_offer
run_case "the wizard's page maps, remaps and removes" page_maps_remaps_and_removes
finish
