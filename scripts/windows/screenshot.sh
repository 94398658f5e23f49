#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows the Windows program on Wine's desktop under Xvfb, drawn by Qt's
# windows platform plugin, at 96 and 192 dots per inch (100% and 200%), and
# writes a picture of each: <out>/windows-100.png, <out>/windows-200.png.
# Usage: screenshot.sh <strobix.exe> <out folder>
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"
(($# == 2)) || die "usage: screenshot.sh <strobix.exe> <out folder>"
program="$1"
out="$2"
[[ -f "$program" ]] || die "no such program: $program"
mkdir -p "$out"
export WINEDEBUG="${WINEDEBUG:--all}"

shoot() { # dpi name
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    restart_wine
    wine "$program" >/dev/null 2>&1 &
    local pid=$!
    # The main window's caption names the program; wait until it is mapped.
    local window=""
    for _ in $(seq 1 120); do
        window=$(xdotool search --onlyvisible --name 'STROBIX|Strobix' 2>/dev/null | head -n 1) || true
        [[ -n "$window" ]] && break
        sleep 0.5
    done
    if [[ -z "$window" ]]; then
        echo "the program's window did not appear at $1 dpi" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    sleep 2 # let it paint
    import -window "$window" "$out/windows-$2.png"
    echo "$out/windows-$2.png: $(identify -format '%wx%h' "$out/windows-$2.png"), window $(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')"
    restart_wine
    wait "$pid" 2>/dev/null || true
}

run() {
    shoot 96 100
    shoot 192 200
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
}

if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s '-screen 0 2560x1600x24' "$0" "$@"
fi
run
