#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds giflib for Windows from Debian's source, with Debian's security
# fixes to the library, once, into the cache beside the cross Qt.
# Prints the install prefix on its last line.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${STROBIX_WINDOWS_CACHE:-$HOME/.cache/strobix-windows}"
version=5.2.1
revision=2.5+deb12u1
recipe="$root/cmake/windows/giflib/CMakeLists.txt"
toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"
key=$(cat "$recipe" "$toolchain" "$0" | sha256sum | cut -c1-12)
prefix="$cache/giflib-$version-mingw64-$key"
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

sources="$cache/src"
pool=http://deb.debian.org/debian/pool/main/g/giflib
mkdir -p "$sources"
fetch() { # file md5
    [[ -f "$sources/$1" ]] || curl -fsSL -o "$sources/$1" "$pool/$1"
    echo "$2  $sources/$1" | md5sum -c --quiet
}
fetch "giflib_$version.orig.tar.gz" 6f03aee4ebe54ac2cc1ab3e4b0a049e5
fetch "giflib_$version-$revision.debian.tar.xz" 4d18adf24ab46858613d57a237c98b6f

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
