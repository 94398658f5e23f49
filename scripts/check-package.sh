#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package of a build folder as a packager would: lintian
# (failing on errors and warnings), and the desktop entry, the AppStream data
# and the file type as installed. Reuses the package the deb_package test
# built, and builds it only when that is missing.
# Usage: scripts/check-package.sh [build folder, default build/ci]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/ci}"
out="$build/tests/deb-package"

shopt -s nullglob
packages=("$out"/strobix_*.deb)
if ((${#packages[@]} == 0)); then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
    packages=("$out"/strobix_*.deb)
fi
deb="${packages[0]}"
echo "checking $deb"

lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/strobix.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.strobix.Strobix.metainfo.xml"
xmllint --noout "$root/usr/share/mime/packages/strobix.xml"
# The file type compiles as a package installation would compile it.
mkdir -p "$root/check/mime/packages"
cp "$root/usr/share/mime/packages/strobix.xml" "$root/check/mime/packages/"
XDG_DATA_HOME="$root/check" update-mime-database "$root/check/mime"
echo "package checks passed"
