#!/usr/bin/env bash
# The installer's entry in the list of installed programs and the winget manifest, checked against
# the MSI they describe. The MSI is made by wixl from the real installer source around stand-in
# programs, so no release build is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
field() { # file key: the value of a top-level or list-item key
  sed -n "s/^[- ]*$2: //p" "$1" | tr -d "'"
}

cp "$root/installer/drovik.wxs" "$work/"
head -c 300000 /dev/urandom >"$work/drovik.exe"
head -c 100000 /dev/urandom >"$work/drovikctl.exe"
printf '\0\0\1\0\0\0' >"$work/drovik.ico"
(cd "$work" && wixl -a x64 -D Version=1.2.3 -D SizeKiB=391 -o drovik.msi drovik.wxs)

property() { msiinfo export "$work/drovik.msi" Property | tr -d '\r' | awk -F'\t' -v k="$1" '$1 == k { print $2 }'; }
[ "$(property ARPSIZE)" = 391 ] || fail "ARPSIZE is '$(property ARPSIZE)'"
msiinfo export "$work/drovik.msi" CustomAction | grep -q $'\tARPINSTALLLOCATION\t\\[INSTALLDIR\\]' ||
  fail "no action sets ARPINSTALLLOCATION to the install folder"
# It must run before the product is registered (RegisterProduct), or the entry has no location.
sequence() { msiinfo export "$work/drovik.msi" InstallExecuteSequence | tr -d '\r' | awk -F'\t' -v a="$1" '$1 == a { print $3 }'; }
(($(sequence SetInstallLocation) > $(sequence CostFinalize) && $(sequence SetInstallLocation) < $(sequence RegisterProduct))) ||
  fail "ARPINSTALLLOCATION is set at $(sequence SetInstallLocation), not between costing and registration"

"$root/installer/winget_manifest.sh" "$work/drovik.msi" 1.2.3 https://downloads.example.com/drovik.msi "$work/winget"
version=$work/winget/Drovik.Drovik.yaml
installer=$work/winget/Drovik.Drovik.installer.yaml
locale=$work/winget/Drovik.Drovik.locale.en-US.yaml
for file in "$version" "$installer" "$locale"; do
  [ "$(field "$file" PackageIdentifier)" = Drovik.Drovik ] || fail "$file: identifier"
  [ "$(field "$file" PackageVersion)" = 1.2.3 ] || fail "$file: version"
  [ "$(field "$file" ManifestVersion)" = 1.6.0 ] || fail "$file: schema"
done
[ "$(field "$version" ManifestType)" = version ] || fail "version file type"
[ "$(field "$version" DefaultLocale)" = en-US ] || fail "default locale"
[ "$(field "$installer" ManifestType)" = installer ] || fail "installer file type"
[ "$(field "$installer" InstallerSha256)" = "$(sha256sum "$work/drovik.msi" | cut -d' ' -f1 | tr a-f A-F)" ] ||
  fail "the SHA-256 is not the MSI's"
[ "$(field "$installer" ProductCode)" = "$(property ProductCode)" ] || fail "the product code is not the MSI's"
[ "$(field "$installer" Scope)" = machine ] || fail "scope"
[ "$(field "$installer" InstallerType)" = msi ] || fail "installer type"
[ "$(field "$installer" Architecture)" = x64 ] || fail "architecture"
[ "$(field "$locale" ManifestType)" = defaultLocale ] || fail "locale file type"
[ "$(field "$locale" PackageLocale)" = en-US ] || fail "locale"
[ "$(field "$locale" Publisher)" = "$(sed -n 's/.*Manufacturer="\([^"]*\)".*/\1/p' "$root/installer/drovik.wxs" | head -1)" ] ||
  fail "the publisher is not the installer's manufacturer"
for key in License ShortDescription PackageName; do
  [ -n "$(field "$locale" "$key")" ] || fail "no $key"
done
echo "winget manifest and installer entry: ok"
