#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows installer and the portable zip from a folder that
# scripts/windows/deploy.sh filled:
#   <out-dir>/strobix-<version>-win64-setup.exe
#   <out-dir>/strobix-<version>-win64.zip  (the folder as strobix-<version>-win64/)
# Usage: scripts/windows/package.sh <stage-dir> <version> <out-dir>
set -euo pipefail

source "$(dirname "$0")/../lib/common.sh"

(($# == 3)) || die "usage: $0 <stage-dir> <version> <out-dir>"
stage="$(cd "$1" && pwd)" version="$2" out="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"

[[ -f "$stage/strobix.exe" ]] || die "$stage holds no strobix.exe; run deploy.sh first"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "the version must be x.y.z, not '$version'"
command -v makensis >/dev/null || die "makensis is missing (Debian package nsis)"
# NSIS takes file names literally only without these.
if find "$stage" -name '*[\"$`]*' | grep -q .; then
    die "$stage holds a file name with \", \$ or \`"
fi
mkdir -p "$out"
out="$(cd "$out" && pwd)"
name="strobix-$version-win64"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The installer lists each file, so that the uninstaller can remove exactly
# those and leave anything else the user put in the folder.
windows_path() { local p="\$INSTDIR${1:+\\$1}"; echo "${p//\//\\}"; }
{
    while read -r dir; do
        rel="${dir#"$stage"}" rel="${rel#/}"
        echo "SetOutPath \"$(windows_path "$rel")\""
        find "$dir" -maxdepth 1 -type f | sort | sed 's/.*/File "&"/'
    done < <(find "$stage" -type d | sort)
} >"$work/install-files.nsh"
{
    (cd "$stage" && find . -type f | sort) | while read -r file; do
        echo "Delete \"$(windows_path "${file#./}")\""
    done
    # The deepest folders first; RMDir leaves those that are not empty.
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        echo "RMDir \"$(windows_path "${dir#./}")\""
    done
} >"$work/uninstall-files.nsh"

setup="$out/$name-setup.exe"
makensis -V2 -WX -NOCD \
    -DVERSION="$version" \
    -DOUTFILE="$setup" \
    -DINSTALL_FILES="$work/install-files.nsh" \
    -DUNINSTALL_FILES="$work/uninstall-files.nsh" \
    -DSIZE_KB="$(du -sk "$stage" | cut -f1)" \
    -DLICENSE_FILE="$stage/LICENSE.txt" \
    "$root/packaging/windows/strobix.nsi"

zip="$out/$name.zip"
rm -f "$zip"
cp -r "$stage" "$work/$name"
if command -v zip >/dev/null; then
    (cd "$work" && zip -qrX9 "$zip" "$name")
else
    (cd "$work" && cmake -E tar cf "$zip" --format=zip "$name")
fi

ls -l "$setup" "$zip"
