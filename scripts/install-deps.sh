#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages that building, running and testing Strobix
# need, skipping those already present. Pass --test for the test-only extras,
# --windows for the Windows cross build and its tests under Wine, --web for the
# WebAssembly build and its tests in headless Chromium. The cross builds
# compile Debian's own sources of Qt and giflib, which apt fetches: --windows
# and --web also enable the source entries (deb-src) of the machine's Debian
# suites.
set -euo pipefail

packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev libgif-dev
          qt6-l10n-tools qt6-translations-l10n
          fonts-dejavu-core fonts-liberation2)
need_sources=false
for group in "$@"; do
    case "$group" in
    --test)
        packages+=(clang libclang-rt-14-dev dpkg-dev file
                   lintian desktop-file-utils appstream libxml2-utils shared-mime-info)
        ;;
    --windows)
        packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools nsis xz-utils patch
                   wine wine64 xvfb xauth xdotool imagemagick)
        need_sources=true
        ;;
    --web)
        packages+=(emscripten chromium xz-utils brotli python3-fonttools)
        # A machine may have Node.js from elsewhere (with its own npm), which
        # Debian's npm package conflicts with.
        command -v npm >/dev/null || packages+=(nodejs npm)
        need_sources=true
        ;;
    *)
        echo "install-deps.sh: unknown group $group (--test, --windows, --web)" >&2
        exit 1
        ;;
    esac
done

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
updated=false

# Adds deb-src twins of the binary entries that serve this release's suites
# (bookworm, bookworm-updates, bookworm-security, ...), in a file of our own;
# the URIs are the machine's, so its mirrors and proxies apply.
enable_debian_sources() {
    local codename list=/etc/apt/sources.list.d/strobix-debian-sources.sources
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    [[ -f "$list" ]] && return
    if apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -qx Sources; then
        return
    fi
    local entries
    entries=$( (cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true) |
        awk -v codename="$codename" -f "$(dirname "$0")/lib/deb-src.awk"
        (grep -hE '^deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true) |
        awk -v codename="$codename" '$0 !~ /\[/ && $3 ~ "^" codename "($|-)" {
            printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents:", $2, $3
            for (i = 4; i <= NF; i++) printf " %s", $i
            printf "\n\n" }')
    [[ -n "$entries" ]] || { echo "install-deps.sh: no Debian $codename entries in apt's sources to add deb-src for" >&2; exit 1; }
    echo "Enabling Debian's source packages (deb-src) for $codename in $list"
    printf '%s\n' "$entries" | $sudo tee "$list" >/dev/null
    $sudo apt-get update -qq
    updated=true
}
if $need_sources; then enable_debian_sources; fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    $updated || $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
