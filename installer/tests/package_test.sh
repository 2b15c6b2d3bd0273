#!/usr/bin/env bash
# The packages as a user gets them. scripts/package makes them (a "newer" build too); msiexec
# installs, upgrades and uninstalls them under Wine in a prefix made for this run, and the installed
# program is started and its main window found; a throw-away key signs them.
# DROVIK_SCREENSHOT=FILE keeps a picture of the screen while the installed program runs.
set -uo pipefail
. "$(dirname "$0")/../../scripts/lib.sh"
PROBE=${DROVIK_PROBE:-$DROVIK_WIN_TREE/bin/main_window_probe.exe}
[ -f "$PROBE" ] || { echo "missing $PROBE (run scripts/build)"; exit 1; }

work=$(mktemp -d)
program_pid=''
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -d "$work/prefix" ] && WINEPREFIX=$work/prefix wineserver -k 2>/dev/null
  drovik_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

drovik_wine_env
export WINEPREFIX=$work/prefix
drovik_start_xvfb

current=$(cat "$DROVIK_ROOT/VERSION")
IFS=. read -r major minor build <<<"$current"
newer=$major.$minor.$((build + 1))
user=$(id -un)
drive_c=$WINEPREFIX/drive_c
install_dir=$drive_c/Program\ Files/Drovik
settings_file=$drive_c/users/$user/AppData/Roaming/Tamsel/Tamsel.ini

PASSED=0 FAILED=0
fail() { echo "FAIL: $*" >&2; return 1; }
expect_eq() { # what expected actual
  [ "$2" == "$3" ] || fail "$1: expected '$2', got '$3'"
}
run_case() { # name function
  local started=$SECONDS status
  # On its own: in an if or a || list the shell would ignore set -e inside the case and go on
  # after a failed check.
  ( set -e; "$2" ); status=$?
  if [ "$status" -eq 0 ]; then
    echo "ok   $1 ($((SECONDS - started)) s)"; PASSED=$((PASSED + 1))
  else
    echo "FAIL $1 ($((SECONDS - started)) s)"; FAILED=$((FAILED + 1))
  fi
}

package() { # out-dir scripts/package-arguments...
  local out=$1; shift
  "$DROVIK_ROOT/scripts/package" --out "$out" "$@" >"$out.log" 2>"$out.err" ||
    fail "scripts/package $* failed: $(tail -n 20 "$out.err")"
}

unpack() { # zip into-dir
  python3 -m zipfile -e "$1" "$2"
}

# name<TAB>value of every value under KEY and its subkeys, each line led by its key.
registry_values() { # KEY
  wine reg query "$1" /s 2>/dev/null | tr -d '\r' | awk -v OFS='\t' '
    /^HKEY_/ { key = $0; next }
    /^    [^ ]/ { sub(/^    /, ""); split($0, f, /    /); print key, f[1], f[3] }'
}

# The uninstall entries named Drovik: one line per entry, "version<TAB>publisher".
uninstall_entries() {
  registry_values 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | awk -F'\t' '
    $2 == "DisplayName" && $3 == "Drovik" { named[$1] = 1 }
    $2 == "DisplayVersion" { version[$1] = $3 }
    $2 == "Publisher" { publisher[$1] = $3 }
    END { for (k in named) print version[k] "\t" publisher[k] }'
}

# Where the entry named Drovik says it is installed and how large it is (KiB, as reg shows it):
# EstimatedSize, which the list of programs shows, or else the Size that ARPSIZE is published as.
uninstall_place() {
  registry_values 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | awk -F'\t' '
    $2 == "DisplayName" && $3 == "Drovik" { named[$1] = 1 }
    $2 == "InstallLocation" { place[$1] = $3 }
    $2 == "EstimatedSize" { estimated[$1] = $3 }
    $2 == "Size" { size[$1] = $3 }
    END { for (k in named) print place[k] "\t" (k in estimated ? estimated[k] : size[k]) }'
}

# The product's icon as the installer recorded it for the list of installed programs.
product_icon() {
  registry_values 'HKLM\Software\Classes\Installer\Products' | awk -F'\t' '
    $2 == "ProductName" && $3 == "Drovik" { named[$1] = 1 }
    $2 == "ProductIcon" { icon[$1] = $3 }
    END { for (k in named) print icon[k] }'
}

# Wine puts a per-machine package's Start menu shortcut into the installing user's Start menu;
# Windows puts it into the common one. Either is the Start menu.
start_menu_shortcuts() {
  find "$drive_c/ProgramData/Microsoft/Windows/Start Menu" \
    "$drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu" -name '*.lnk' 2>/dev/null ||
    true  # a Start menu that Wine has not made yet holds no shortcut
}

files_in_prefix() {
  (cd "$drive_c" && find . -type f | sort)
}

msiexec_quietly() { # arguments...
  wine msiexec "$@" /qn || fail "msiexec $* exited $?"
  wineserver -w
}

# Starts the installed program, waits for its main window and prints the window's title.
installed_program_title() {
  wine "C:\\Program Files\\Drovik\\drovik.exe" >/dev/null 2>&1 &
  program_pid=$!
  local title status=0
  title=$(wine "$PROBE" 30 | tr -d '\r') || status=$?
  [ "${DROVIK_SCREENSHOT:-}" ] && import -window root "$DROVIK_SCREENSHOT"
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=''
  wineserver -w
  [ "$status" -eq 0 ] || fail "the installed program showed no main window"
  printf '%s\n' "$title"
}

test_packages_are_made() {
  package "$work/newer" --version "$newer"
  package "$work/current"
  local msi=drovik-$current-x64.msi zip=drovik-$current-x64.zip
  [ -s "$work/current/$msi" ] || fail "no $msi"
  [ -s "$work/newer/drovik-$newer-x64.msi" ] || fail "no installer for $newer"
  grep -q "^made in $work/current, unsigned:" "$work/current.log" || fail "not reported unsigned"
  grep -q "$msi" "$work/current.log" || fail "$msi not reported"

  unpack "$work/current/$zip" "$work/current/unpacked"
  expect_eq "portable zip" "drovik-$current/README.txt
drovik-$current/drovik.exe
drovik-$current/drovikctl.exe" "$(cd "$work/current/unpacked" && find . -type f | sed 's|^\./||' | sort)"
  local readme=$work/current/unpacked/drovik-$current/README.txt
  head -n 1 "$readme" | grep -q "^Drovik $current"$'\r$' || fail "readme: no version or no Windows line ends"
  # Release programs carry no symbol table, and the version in their version block.
  local file
  for program in drovik.exe drovikctl.exe; do
    file=$work/current/unpacked/drovik-$current/$program
    x86_64-w64-mingw32-objdump -h "$file" | grep -q '\.debug_\|\.symtab' && fail "$program is not stripped"
    # grep reads to the end (no -q): a grep that stops early leaves tr writing into a closed pipe,
    # and pipefail takes tr's SIGPIPE for a missing version.
    tr -d '\0' <"$file" | grep -a -c "ProductVersion$current\.0" >/dev/null || fail "$program: no version $current"
  done
  return 0
}

test_bad_packaging_requests_are_refused() {
  local status
  for request in "--key $work/k.pem" "--cert $work/c.pem" "--version 1.2" "--version 1.256.0" \
    "--version 1.2.65536" "--colour"; do
    # shellcheck disable=SC2086
    status=0; "$DROVIK_ROOT/scripts/package" --out "$work/refused" $request >/dev/null 2>&1 || status=$?
    expect_eq "scripts/package $request" 2 "$status"
  done
  [ ! -e "$work/refused" ] || fail "a refused request made something"
}

test_signing() {
  # A key protected by a pass phrase, as release keys are.
  echo "throw-away pass phrase" >"$work/pass"
  openssl req -x509 -newkey rsa:2048 -passout "file:$work/pass" -days 2 -subj "/CN=Drovik test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
  grep -q ENCRYPTED "$work/key.pem" || fail "the test key is not protected"
  package "$work/signed" --key "$work/key.pem" --cert "$work/cert.pem" --pass-file "$work/pass"
  grep -q "^made in $work/signed, signed with $work/cert.pem:" "$work/signed.log" ||
    fail "not reported signed"
  unpack "$work/signed/drovik-$current-x64.zip" "$work/signed/unpacked"
  for file in "$work/signed/unpacked/drovik-$current/drovik.exe" \
    "$work/signed/unpacked/drovik-$current/drovikctl.exe" "$work/signed/drovik-$current-x64.msi"; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >"$work/verify.log" 2>&1 ||
      fail "$(basename "$file") does not verify: $(tail -n 5 "$work/verify.log")"
  done
  local status=0
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/current/unpacked/drovik-$current/drovik.exe" \
    >"$work/verify.log" 2>&1 || status=$?
  [ "$status" -ne 0 ] && grep -q 'No signature found' "$work/verify.log" ||
    fail "the unsigned program is not reported unsigned: $(cat "$work/verify.log")"
}

test_install_upgrade_uninstall() {
  # Wine stays inside the test: its menu builder would otherwise put the Start menu shortcut and
  # its icons into the home folder's desktop menus.
  export HOME=$work/home XDG_DATA_HOME=$work/home/share XDG_CONFIG_HOME=$work/home/config
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
  mkdir -p "$HOME"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  DROVIK_WINEPREFIX=$WINEPREFIX drovik_wine_settings
  local before; before=$(files_in_prefix)

  # Install: the programs, the shortcut, the uninstall entry; the program starts.
  msiexec_quietly /i "$work/current/drovik-$current-x64.msi"
  cmp -s "$install_dir/drovik.exe" "$work/current/unpacked/drovik-$current/drovik.exe" ||
    fail "drovik.exe not installed as packaged"
  cmp -s "$install_dir/drovikctl.exe" "$work/current/unpacked/drovik-$current/drovikctl.exe" ||
    fail "drovikctl.exe not installed as packaged"
  local shortcut; shortcut=$(start_menu_shortcuts)
  expect_eq "Start menu shortcut" "Drovik.lnk" "$(basename "$shortcut")"
  tr -d '\0' <"$shortcut" | grep -c 'Program Files\\Drovik\\drovik.exe' >/dev/null ||
    fail "the shortcut does not lead to the program"
  expect_eq "uninstall entry" "$current"$'\t'"Drovik" "$(uninstall_entries)"
  # "Apps" shows the folder and the programs' size (their KiB, rounded up each).
  local place kib=0 program
  for program in drovik.exe drovikctl.exe; do
    kib=$((kib + ($(stat -c %s "$work/current/unpacked/drovik-$current/$program") + 1023) / 1024))
  done
  place=$(uninstall_place)
  expect_eq "install location" 'C:\Program Files\Drovik\' "${place%%$'\t'*}"
  # Windows publishes ARPSIZE in the entry; Wine's installer does not publish it at all, so the
  # package's own property is checked where the entry has none.
  local size=${place#*$'\t'}
  [ "$((size))" -gt 0 ] || size=$(msiinfo export "$work/current/drovik-$current-x64.msi" Property |
    awk -F'\t' '$1 == "ARPSIZE" { print $2 }' | tr -d '\r')
  expect_eq "estimated size" "$kib" "$((size))"
  local icon; icon=$(product_icon)
  [ -n "$icon" ] && [ -s "$drive_c/$(sed 's|^C:\\||; s|\\|/|g' <<<"$icon")" ] ||
    fail "no icon in the list of installed programs: '$icon'"
  local added; added=$(comm -13 <(echo "$before") <(files_in_prefix) |
    grep -v '^\./Program Files/Drovik/\|/Start Menu/Programs/Drovik\.lnk$\|^\./windows/Installer/' || true)
  expect_eq "files outside the program's folder" "" "$added"

  mkdir -p "$(dirname "$settings_file")"
  printf '[Language]\r\nLanguage=ENG\r\n' >"$settings_file"
  expect_eq "title of the installed program" "Drovik ( $current.0 )" "$(installed_program_title)"

  # Upgrade in place: one entry, the newer programs, the newer title.
  unpack "$work/newer/drovik-$newer-x64.zip" "$work/newer/unpacked"
  msiexec_quietly /i "$work/newer/drovik-$newer-x64.msi"
  expect_eq "uninstall entry after the upgrade" "$newer"$'\t'"Drovik" "$(uninstall_entries)"
  cmp -s "$install_dir/drovik.exe" "$work/newer/unpacked/drovik-$newer/drovik.exe" ||
    fail "the upgrade left the old drovik.exe"
  expect_eq "shortcuts after the upgrade" 1 "$(start_menu_shortcuts | wc -l)"
  expect_eq "title after the upgrade" "Drovik ( $newer.0 )" "$(installed_program_title)"

  # Uninstall: everything of ours goes but the user's settings.
  msiexec_quietly /x "$work/newer/drovik-$newer-x64.msi"
  [ ! -e "$install_dir" ] || fail "the program's folder is left: $(ls "$install_dir")"
  expect_eq "shortcuts after uninstalling" "" "$(start_menu_shortcuts)"
  expect_eq "uninstall entries after uninstalling" "" "$(uninstall_entries)"
  local mentions; mentions=$(grep -i -h 'drovik' "$WINEPREFIX"/*.reg || true)
  expect_eq "registry entries after uninstalling" "" "$mentions"
  expect_eq "settings file after uninstalling" $'[Language]\r\nLanguage=ENG\r' "$(cat "$settings_file")"
  expect_eq "files left after uninstalling" "./users/$user/AppData/Roaming/Tamsel/Tamsel.ini" \
    "$(comm -13 <(echo "$before") <(files_in_prefix))"
}

run_case "packages are made, unsigned, stripped, with the zip's readme" test_packages_are_made
run_case "bad packaging requests are refused before any work" test_bad_packaging_requests_are_refused
run_case "signed packages verify with the signer's certificate" test_signing
run_case "install, upgrade and uninstall under Wine" test_install_upgrade_uninstall
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
