#!/usr/bin/env bash
# Writes the manifest that Windows' package manager (winget) takes for an installer: the version,
# installer and default-locale files of manifest schema 1.6, into DIR:
#   installer/winget_manifest.sh MSI VERSION URL DIR
# URL is where users will download the MSI from. The SHA-256 and the product code are read from
# the MSI itself, so the manifest describes exactly that file (sign it before).
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 MSI VERSION URL DIR" >&2; exit 2; }
msi=$1 version=$2 url=$3 dir=$4

identifier=Drovik.Drovik
publisher=Drovik
licence=Proprietary
description='Finds the NAS boxes on the local network, logs in, opens their shares and web applications.'
schema=1.6.0

sha256=$(sha256sum "$msi" | cut -d' ' -f1 | tr a-f A-F)
product_code=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')
[ -n "$product_code" ] || { echo "$msi has no product code" >&2; exit 1; }

mkdir -p "$dir"
cat >"$dir/$identifier.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.version.$schema.schema.json
PackageIdentifier: $identifier
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: $schema
YAML
cat >"$dir/$identifier.installer.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.installer.$schema.schema.json
PackageIdentifier: $identifier
PackageVersion: $version
InstallerType: msi
Scope: machine
ProductCode: '$product_code'
Installers:
- Architecture: x64
  InstallerUrl: $url
  InstallerSha256: $sha256
ManifestType: installer
ManifestVersion: $schema
YAML
cat >"$dir/$identifier.locale.en-US.yaml" <<YAML
# yaml-language-server: \$schema=https://aka.ms/winget-manifest.defaultLocale.$schema.schema.json
PackageIdentifier: $identifier
PackageVersion: $version
PackageLocale: en-US
Publisher: $publisher
PackageName: Drovik
License: $licence
ShortDescription: $description
ManifestType: defaultLocale
ManifestVersion: $schema
YAML
