#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Qt that the Windows build links against, once, from Debian's own
# source of qt6-base (the same version as the host's Qt, whose tools the cross
# build runs). The result lives in a cache outside the work tree, keyed by the
# version and the options below, and is reused when present.
# Prints the install prefix on its last line.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/lib/common.sh"
source_version=$(installed_source_version qt6-base-dev)   # e.g. 6.4.2+dfsg-10
version=${source_version%%+*}
debian_revision=${source_version##*-}
cache=$(cache_dir windows)

# Only what the program uses, to keep the compile short: no HarfBuzz (the
# Windows font engines shape the Latin text the program draws) and no Direct2D
# platform plugin (the windows one is shipped). The -O1 below does not take:
# Qt puts its own release flags in its place (-O2, and -O3 for Core and Gui),
# which is what the cached builds have.
options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1
    -DCMAKE_C_FLAGS_RELEASE=-O1
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_accessibility=ON
    -DFEATURE_harfbuzz=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON
    -DFEATURE_sql_sqlite=OFF -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF
)
toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n 1)
key=$(printf '%s\n' "$version-$debian_revision" "$compiler" "${options[@]}" | sha256sum | cut -c1-12)
prefix="$cache/qt-$version-mingw64-$key"

if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

sources="$cache/src"
tree="$sources/qtbase-everywhere-src-$version"
mkdir -p "$sources"
if [[ ! -d "$tree" ]]; then
    fetch_debian_source qt6-base "$source_version" "$sources"
    tar -C "$sources" -xf "$sources/qt6-base_${source_version%-*}.orig.tar.xz"
fi

build="$cache/build-qt-$key"
cmake -G Ninja -S "$tree" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
cmake --build "$build" --parallel "$(nproc)" >&2
cmake --install "$build" >&2
# Qt's own German texts (buttons of standard dialogs), from Debian's
# qt6-translations-l10n, where Qt looks for them when programs run from the build.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_de.qm "$prefix/translations/"
rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
