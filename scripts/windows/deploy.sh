#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Gathers everything the Windows build of Strobix needs to run into one folder,
# the way windeployqt would (Debian has none): the program (strobix.exe and,
# from beside it, strobixw.exe), every DLL it loads
# (followed through their imports, recursively), Qt's plugins for the screen
# and the widget style, Qt's own strings in the program's languages, the icon,
# the manuals, the
# examples and the licenses. Binaries are stripped.
#
# A DLL is taken from Qt's bin folder or from the MinGW runtime. A DLL found in
# neither is part of Windows only when MinGW has an import library for it
# (lib<name>.a), or it is an API set; anything else stops the script, since the
# program would not start without it.
#
# Usage: scripts/windows/deploy.sh <strobix.exe> <qt-prefix> <stage-dir>
# The stage folder must not exist yet or be empty.
set -euo pipefail

source "$(dirname "$0")/../lib/common.sh"

(($# == 3)) || die "usage: $0 <strobix.exe> <qt-prefix> <stage-dir>"
exe="$1" qt="$2" stage="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
host=x86_64-w64-mingw32
objdump="$host-objdump" strip="$host-strip"
sysroot="${STROBIX_MINGW_SYSROOT:-/usr/$host}"
gcc_runtime="$(dirname "$("$host-g++-posix" -print-file-name=libstdc++-6.dll)")"
translations="${STROBIX_QT_TRANSLATIONS:-/usr/share/qt6/translations}"

[[ -f "$exe" ]] || die "no program at $exe"
[[ -f "$qt/bin/Qt6Core.dll" ]] || die "$qt is not a Qt for Windows (no bin/Qt6Core.dll)"
if [[ -e "$stage" ]] && [[ -n "$(ls -A "$stage")" ]]; then
    die "$stage is not empty; remove it first"
fi
mkdir -p "$stage"

search=("$qt/bin" "$gcc_runtime" "$sysroot/lib" "$sysroot/bin")

# The file in the search folders named like $1, ignoring case as Windows does.
find_dll() {
    local dir hit
    for dir in "${search[@]}"; do
        [[ -d "$dir" ]] || continue
        hit="$(find "$dir" -maxdepth 1 -type f -iname "$1" -print -quit)"
        [[ -n "$hit" ]] && { echo "$hit"; return 0; }
    done
    return 1
}

is_system_dll() {
    local name="${1,,}"
    [[ "$name" == api-ms-win-* || "$name" == ext-ms-* ]] && return 0
    [[ -f "$sysroot/lib/lib${name%.dll}.a" ]]
}

declare -A seen=()
# Copies the DLLs that $1 imports next to the program, and theirs in turn.
deploy_imports() {
    local file="$1" name dll
    while read -r name; do
        [[ -n "${seen[${name,,}]:-}" ]] && continue
        seen[${name,,}]=1
        if dll="$(find_dll "$name")"; then
            install -m 0644 "$dll" "$stage/$(basename "$dll")"
            deploy_imports "$dll"
        elif ! is_system_dll "$name"; then
            die "cannot find $name, which $(basename "$file") needs; looked in ${search[*]}"
        fi
    done < <("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
}

# The program without a console (for the Start menu and Explorer) is built
# beside it and loads the same DLLs.
windowed="$(dirname "$exe")/strobixw.exe"
[[ -f "$windowed" ]] || die "no strobixw.exe beside $exe"
install -m 0755 "$exe" "$stage/strobix.exe"
install -m 0755 "$windowed" "$stage/strobixw.exe"
deploy_imports "$exe"
deploy_imports "$windowed"

# Qt loads its plugins from <program folder>/<kind>/. The screen plugins are
# needed (qoffscreen runs the program without a display); the native widget
# style is taken when this Qt has it.
mkdir -p "$stage/platforms"
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll; do
    if [[ ! -f "$qt/plugins/$plugin" ]]; then
        [[ "$plugin" == styles/* ]] && continue
        die "cannot find the Qt plugin $qt/plugins/$plugin"
    fi
    mkdir -p "$stage/$(dirname "$plugin")"
    install -m 0644 "$qt/plugins/$plugin" "$stage/$plugin"
    deploy_imports "$qt/plugins/$plugin"
done

# With Qt6Core.dll next to the program and no qt.conf, Qt takes the program
# folder as its prefix and looks for its translations in translations/: Qt's
# own texts in each language the program speaks.
mkdir -p "$stage/translations"
for language in $("$root/scripts/windows/languages.sh"); do
    [[ -f "$translations/qtbase_$language.qm" ]] \
        || die "cannot find $translations/qtbase_$language.qm (Debian package qt6-translations-l10n)"
    install -m 0644 "$translations/qtbase_$language.qm" "$stage/translations/"
done

# For the Start-menu entry, the file type and the list of installed programs,
# whether or not the program carries an icon of its own.
install -m 0644 "$root/packaging/windows/strobix.ico" "$stage/strobix.ico"
cp -r "$root/docs/manual" "$stage/manual"
mkdir -p "$stage/examples"
cp "$root"/examples/*.dat "$stage/examples/"
install -m 0644 "$root/LICENSE" "$stage/LICENSE.txt"

# The DLLs come with licenses of their own, which travel with them: Qt's
# (the Debian source it is built from, with its bundled libraries), the GCC
# runtime's and MinGW-w64's (winpthreads), as Debian states them.
mkdir -p "$stage/licenses"
for pair in Qt:libqt6core6 GCC-runtime:gcc-mingw-w64-base MinGW-w64:mingw-w64-common \
        LGPL-3: GPL-3:; do
    name="${pair%%:*}" package="${pair#*:}"
    if [[ -n "$package" ]]; then
        from="/usr/share/doc/$package/copyright"
    else
        from="/usr/share/common-licenses/$name"
    fi
    [[ -f "$from" ]] || die "cannot find $from, the license of what this folder ships"
    install -m 0644 "$from" "$stage/licenses/$name.txt"
done

find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -exec "$strip" --strip-unneeded {} +
echo "deployed to $stage: $(du -sh "$stage" | cut -f1)"
