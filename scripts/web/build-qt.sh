#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Qt that the web edition links against, once, from Debian's own
# source of qt6-base with Debian's emscripten: static, without threads (a page
# served without cross-origin isolation has no shared memory), OpenGL ES2 kept
# (Qt 6.4's wasm platform plugin draws through WebGL). The result lives in a
# cache outside the work tree, keyed by the versions and the options below.
# Prints two lines last: the emsdk folder (for EMSDK) and the install prefix.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/lib/common.sh"
source_version=$(installed_source_version qt6-base-dev)   # e.g. 6.4.2+dfsg-10
version=${source_version%%+*}
cache=$(cache_dir web)
emsdk="$cache/emsdk"

options=(
    -static -release -no-feature-thread -nomake examples -nomake tests
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-dbus -no-feature-xml -no-feature-testlib
)
compiler=$(emcc --version | head -n 1)
key=$(printf '%s\n' "$source_version" "$compiler" "${options[@]}" | sha256sum | cut -c1-12)
prefix="$cache/qt-$version-wasm-$key"

# Qt looks for emscripten in an SDK layout that Debian's package lacks: an
# .emscripten file naming the root, and upstream/emscripten holding the
# compiler. Links to Debian's files make one.
"$root/scripts/web/emsdk-layout.sh" "$emsdk" >&2
export EMSDK="$emsdk" NODE_PATH=/usr/share/nodejs
# Debian's emcc runs under Debian's python3, not a python3 found first on PATH
# (a version manager's shim costs a process per compile).
export EMSDK_PYTHON=/usr/bin/python3

if [[ -f "$prefix/.complete" ]]; then
    printf '%s\n%s\n' "$emsdk" "$prefix"
    exit 0
fi

sources="$cache/src"
tree="$sources/qtbase-everywhere-src-$version"
if [[ ! -d "$tree" ]]; then
    fetch_debian_source qt6-base "$source_version" "$sources"
    tar -C "$sources" -xf "$sources/qt6-base_${source_version%-*}.orig.tar.xz"
fi

build="$cache/build-qt-$key"
mkdir -p "$build"
(cd "$build" && "$tree/configure" -qt-host-path /usr -platform wasm-emscripten \
    -prefix "$prefix" "${options[@]}" \
    -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DFEATURE_egl=ON) >&2
cmake --build "$build" --parallel "$(nproc)" >&2
cmake --install "$build" >&2
rm -rf "$build"
touch "$prefix/.complete"
printf '%s\n%s\n' "$emsdk" "$prefix"
