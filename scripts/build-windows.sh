#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Strobix for 64-bit Windows on this Debian 12 machine and writes the
# installer and the portable zip into build/windows/packages:
#   strobix-<version>-win64-setup.exe  strobix-<version>-win64.zip
# Stages: the cross Qt and giflib (the first run builds them from Debian's
# sources, fetched through apt, about half an hour on two cores, into
# ~/.cache/strobix-windows or $STROBIX_WINDOWS_CACHE; later runs reuse them),
# the program with the windows preset, then deploy and packages.
# Usage: scripts/build-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh
(($# == 0)) || die "usage: scripts/build-windows.sh (no arguments)"
scripts/install-deps.sh --windows

qt=$(scripts/windows/build-qt.sh | tail -n 1)
giflib=$(scripts/windows/build-giflib.sh | tail -n 1)
# Qt's own texts in each language the program speaks, where Qt looks for them
# when the tests run from the build. Here rather than in build-qt.sh: a Qt
# built and cached before a language was added gets it too.
for language in $(scripts/windows/languages.sh); do
    cp /usr/share/qt6/translations/qtbase_"$language".qm "$qt/translations/"
done
export STROBIX_WINDOWS_PREFIXES="$qt;$giflib"
jobs="$(nproc)"

echo "=== windows: build"
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$jobs"

echo "=== windows: packages"
version=$(sed -nE 's/^project\(strobix VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
rm -rf build/windows/stage
scripts/windows/deploy.sh build/windows/src/strobix.exe "$qt" build/windows/stage
scripts/windows/package.sh build/windows/stage "$version" build/windows/packages
ls -l build/windows/packages
