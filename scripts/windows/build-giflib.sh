#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds giflib for Windows from Debian's source, with Debian's security
# fixes to the library, once, into the cache beside the cross Qt.
# Prints the install prefix on its last line.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/lib/common.sh"
cache=$(cache_dir windows)
source_version=$(installed_source_version libgif-dev)   # e.g. 5.2.1-2.5+deb12u1
version=${source_version%%-*}
revision=${source_version#*-}
recipe="$root/cmake/windows/giflib/CMakeLists.txt"
toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"
key=$( (echo "$source_version"; cat "$recipe" "$toolchain") | sha256sum | cut -c1-12)
prefix="$cache/giflib-$version-mingw64-$key"
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

sources="$cache/src"
fetch_debian_source giflib "$source_version" "$sources"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -C "$work" -xzf "$sources/giflib_$version.orig.tar.gz"
tar -C "$work" -xf "$sources/giflib_$version-$revision.debian.tar.xz"
tree="$work/giflib-$version"
# The fixes to the library itself; the rest of Debian's patches concern its
# tools, manuals and makefiles.
for patch in "$work"/debian/patches/CVE-*.patch; do
    patch -d "$tree" -p1 --quiet < "$patch"
done

cmake -G Ninja -S "$root/cmake/windows/giflib" -B "$work/build" -DGIFLIB_SOURCE="$tree" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
echo "$prefix"
