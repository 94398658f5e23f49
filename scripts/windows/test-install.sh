#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries the Windows installer under Wine, in a Wine prefix of its own: a
# silent installation, then the installed files, the Start-menu entry, the
# registry entries and the installed program itself, then a silent
# uninstallation, after which nothing of the installation may be left, while
# a file of the user's in the program folder and an entry of another program
# for .dat files must be as they were.
# Given an earlier installer too, installs that first and the new one over it,
# which must leave no file of the earlier one behind.
# Usage: scripts/windows/test-install.sh <strobix-x.y.z-win64-setup.exe> [<earlier setup.exe>]
set -euo pipefail

source "$(dirname "$0")/../lib/common.sh"

(($# == 1 || $# == 2)) || die "FAIL: usage: $0 <setup.exe> [<earlier setup.exe>]"
setup="$(realpath "$1")"
[[ -f "$setup" ]] || die "FAIL: no installer at $1"
earlier="${2:+$(realpath "$2")}"
[[ -z "$earlier" || -f "$earlier" ]] || die "FAIL: no installer at $2"
version="$(basename "$setup" | sed -n 's/^strobix-\(.*\)-win64-setup\.exe$/\1/p')"
[[ -n "$version" ]] || die "FAIL: $1 is not named strobix-<version>-win64-setup.exe"

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'restart_wine; rm -rf "$work"' EXIT
started=$SECONDS
echo "preparing a Wine prefix in $WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

# reg_value <key> [<name>]: prints the data of a value (the default value
# without a name); fails when the key or the value is missing.
reg_value() {
    local key="$1" label="${2:-(Default)}" line rest type out
    local query=(/ve)
    [[ -n "${2:-}" ]] && query=(/v "$2")
    # Once, on a loaded machine, a value the installer writes was reported
    # missing while those it writes just before were there. Asking again
    # cannot make a really missing value appear, and it outlasts such a hiccup.
    for _ in 1 2 3; do
        out="$(wine reg query "$key" "${query[@]}" 2>/dev/null)" && break
        out=""
        sleep 1
    done
    while IFS= read -r line; do
        line="${line%$'\r'}"
        [[ "$line" == "    $label    "* ]] || continue
        rest="${line#"    $label    "}"
        type="${rest%%    *}"
        rest="${rest#"$type"}"
        echo "${rest#    }"
        return 0
    done <<<"$out"
    return 1
}
expect_value() { # <key> <name or ""> <expected data>
    local data
    data="$(reg_value "$1" "$2")" || die "FAIL: $1 has no value ${2:-(default)}"
    [[ "$data" == "$3" ]] || die "FAIL: $1 ${2:-(default)} is '$data', not '$3'"
}
expect_no_key() { ! wine reg query "$1" >/dev/null 2>&1 || die "FAIL: $1 is still there"; }

folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
local_appdata="$(reg_value "$folders" "Local AppData")"
documents="$(reg_value "$folders" "Personal")"
start_menu="$(winepath -u "$(reg_value "$folders" "Programs")")"
instdir_win="$local_appdata\\Programs\\Strobix"
instdir="$(winepath -u "$instdir_win")"
shortcut="$start_menu/Strobix.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Strobix'
application_key='HKCU\Software\Classes\Applications\strobixw.exe'
progid_key='HKCU\Software\Classes\Strobix.SequenceFile'
dat_key='HKCU\Software\Classes\.dat'
open_command="\"$instdir_win\\strobixw.exe\" \"%1\""

# Another program owns .dat; the installer only adds itself to "Open with".
wine reg add "$dat_key" /ve /d Other.File /f >/dev/null

if [[ -n "$earlier" ]]; then
    echo "installing $(basename "$earlier")"
    wine "$earlier" /S || die "FAIL: the earlier installer exited with $?"
    wineserver -w
fi
echo "installing $(basename "$setup")"
wine "$setup" /S || die "FAIL: the installer exited with $?"
wineserver -w

qt_texts=()
for language in $("$(dirname "$0")/languages.sh"); do
    qt_texts+=("translations/qtbase_$language.qm")
done
for file in strobix.exe strobixw.exe strobix.ico uninstall.exe Qt6Core.dll platforms/qwindows.dll \
        "${qt_texts[@]}" manual/index.html manual/de/index.html; do
    [[ -f "$instdir/$file" ]] || die "FAIL: $instdir_win has no $file"
done
compgen -G "$instdir/examples/*.dat" >/dev/null || die "FAIL: $instdir_win has no examples"
[[ -f "$shortcut" ]] || die "FAIL: no Start-menu entry $shortcut"
# The working folder of the entry is the only place Documents appears in it.
strings -el "$shortcut" | grep -qxF "$documents" \
    || die "FAIL: the Start-menu entry does not start in $documents"
# It starts the program without a console, which Windows opens no console
# window for; the command line's program has one.
strings -a "$shortcut" | grep -qxF "$instdir_win\\strobixw.exe" \
    || die "FAIL: the Start-menu entry does not start strobixw.exe"
subsystem() { x86_64-w64-mingw32-objdump -p "$instdir/$1" | sed -n 's/^Subsystem[[:space:]]*//p'; }
[[ "$(subsystem strobixw.exe)" == *"(Windows GUI)" ]] \
    || die "FAIL: strobixw.exe is not a windowed program: $(subsystem strobixw.exe)"
[[ "$(subsystem strobix.exe)" == *"(Windows CUI)" ]] \
    || die "FAIL: strobix.exe is not a console program: $(subsystem strobix.exe)"

expect_value "$uninstall_key" DisplayName Strobix
expect_value "$uninstall_key" DisplayVersion "$version"
expect_value "$uninstall_key" Publisher Strobix
expect_value "$uninstall_key" UninstallString "\"$instdir_win\\uninstall.exe\""
expect_value "$uninstall_key" InstallLocation "$instdir_win"
expect_value "$uninstall_key" DisplayIcon "$instdir_win\\strobix.ico"
expect_value "$uninstall_key" NoModify 0x1
expect_value "$uninstall_key" NoRepair 0x1
size="$(reg_value "$uninstall_key" EstimatedSize)" || die "FAIL: no EstimatedSize"
(( size > 0 )) || die "FAIL: EstimatedSize is $size"
expect_value "$application_key" FriendlyAppName Strobix
expect_value "$application_key\\shell\\open\\command" "" "$open_command"
reg_value "$application_key\\SupportedTypes" .dat >/dev/null || die "FAIL: .dat is not a supported type"
expect_value "$progid_key\\shell\\open\\command" "" "$open_command"
reg_value "$dat_key\\OpenWithProgids" Strobix.SequenceFile >/dev/null \
    || die "FAIL: Strobix.SequenceFile is not in the OpenWithProgids of .dat"
expect_value "$dat_key" "" Other.File

echo "running the installed strobix.exe --version"
# From a folder of its own: the program may write to its working folder.
mkdir "$work/run"
output="$(cd "$work/run" && wine "$instdir/strobix.exe" --version 2>&1 | tr -d '\r')" \
    || die "FAIL: strobix.exe --version exited with $?: $output"
grep -qF "$version" <<<"$output" || die "FAIL: strobix.exe --version printed '$output'"
echo "  $output"

# Qt finds its German strings in translations/ beside the program: its part
# of the help ("Usage:") is in German then.
help="$(cd "$work/run" && LC_ALL=de_DE.UTF-8 wine "$instdir/strobix.exe" --help 2>&1 | tr -d '\r')" \
    || die "FAIL: strobix.exe --help exited with $?"
grep -q '^Aufruf: ' <<<"$help" || die "FAIL: Qt's German strings were not found: $(head -n 3 <<<"$help")"
# --language chooses another of the program's languages, Qt's part of it too,
# and the help names the program as it does in English.
help="$(cd "$work/run" && wine "$instdir/strobix.exe" --language fr --help 2>&1 | tr -d '\r')" \
    || die "FAIL: strobix.exe --language fr --help exited with $?"
grep -q '^Utilisation : strobix ' <<<"$help" && grep -q 'programmateur du s' <<<"$help" \
    || die "FAIL: --language fr did not speak French: $(head -n 3 <<<"$help")"

# Draws with QtGui and QtWidgets on the offscreen platform: the deployed Qt
# and its plugin load, for both programs.
example="$(find "$instdir/examples" -name '*.dat' | sort | head -n 1)"
for program in strobix.exe strobixw.exe; do
    rm -f "$work/run/test.gif"
    (cd "$work/run" && wine "$instdir/$program" --export-animation "$(winepath -w "$example")" \
        test.gif >export.txt 2>&1) \
        || die "FAIL: $program --export-animation exited with $?: $(cat "$work/run/export.txt")"
    [[ "$(head -c 4 "$work/run/test.gif")" == GIF8 ]] \
        || die "FAIL: $program --export-animation wrote no GIF"
done

echo "uninstalling"
# A file of the user's in the program folder, which the uninstaller must keep.
echo notes >"$instdir/notes.txt"
# The uninstaller runs a copy of itself and returns at once: wait for Wine's
# processes to end.
wine "$instdir/uninstall.exe" /S || die "FAIL: the uninstaller exited with $?"
wineserver -w

left="$(cd "$instdir" 2>/dev/null && find . -mindepth 1)" || true
[[ "$left" == ./notes.txt ]] || die "FAIL: the uninstaller left in $instdir_win: ${left:-nothing, not even notes.txt}"
[[ ! -e "$shortcut" ]] || die "FAIL: the Start-menu entry is still there"
expect_no_key "$uninstall_key"
expect_no_key "$application_key"
expect_no_key "$progid_key"
expect_no_key "$dat_key\\OpenWithProgids"
expect_value "$dat_key" "" Other.File

echo "test-install.sh: PASS ($((SECONDS - started)) s)"
