#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program of the build under Wine, for CTest (the preset's
# cross-compiling emulator) and by hand. Wine keeps the Unix QT_* variables
# from Windows programs; they pass as WINEQT_*. QtTest's console output does
# not come through Wine, so a test suite writes its report to a file, which is
# printed afterwards; the exit code is the suite's own.
# Usage: wine-run.sh [--dll-path <folder>:<folder>...] <program.exe> [arguments]
set -uo pipefail
source "$(dirname "$0")/../lib/common.sh"
(($# >= 1)) || die "usage: wine-run.sh [--dll-path <folder>:<folder>...] <program.exe> [arguments]"

dll_path=""
if [[ "${1:-}" == "--dll-path" ]]; then
    dll_path="$2"
    shift 2
fi
program="$1"
shift
if [[ -n "$dll_path" ]]; then
    windows_path=""
    IFS=':' read -ra folders <<<"$dll_path"
    for folder in "${folders[@]}"; do
        windows_path+="$(winepath -w "$folder" 2>/dev/null);"
    done
    export WINEPATH="$windows_path${WINEPATH:-}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-$(cache_dir windows)/wineprefix}"
while IFS='=' read -r name value; do
    [[ "$name" == QT_* ]] && export "WINE$name=$value"
done < <(env)
# Text drawn offscreen needs fonts Qt can find itself.
export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-/usr/share/fonts/truetype/dejavu}"

case "$(basename "$program")" in
tst_*)
    report=$(mktemp --suffix=.txt)
    wine "$program" "$@" -o "$(winepath -w "$report" 2>/dev/null)",txt
    status=$?
    cat "$report"
    rm -f "$report"
    exit $status
    ;;
*)
    exec wine "$program" "$@"
    ;;
esac
