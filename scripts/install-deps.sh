#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages that building, running and testing Strobix
# need, skipping those already present. Pass --test for the test-only extras,
# --windows for the Windows cross build and its tests under Wine.
set -euo pipefail

packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev libgif-dev
          qt6-l10n-tools qt6-translations-l10n
          fonts-dejavu-core fonts-liberation2)
for group in "$@"; do
    case "$group" in
    --test)
        packages+=(clang libclang-rt-14-dev dpkg-dev file
                   lintian desktop-file-utils appstream libxml2-utils shared-mime-info)
        ;;
    --windows)
        packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools nsis curl xz-utils patch
                   wine wine64 xvfb xauth xdotool imagemagick)
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
