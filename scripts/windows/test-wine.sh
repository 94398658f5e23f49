#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tests the Windows build under Wine, after scripts/build-windows.sh:
#  1. the test suites that make sense on Windows, through CTest;
#  2. the packaging rules on stand-ins (test-packaging.sh: deploy's import
#     following, an upgrade over an earlier version), the real installer
#     (test-install.sh), then a silent install for what follows;
#  3. a download by the installed program through COM5, which Wine maps to a
#     pseudo-terminal where the virtual device of the Linux build ($1, default
#     build/ci) checks the line settings, the framing and the pacing, and keeps
#     the bytes, which must equal those the Linux program sends;
#  4. the command line's answers and exit codes (printing, a missing file, the
#     prompt declined, a port that does not exist, wrong usage);
#  5. screenshots of strobixw.exe's window on the windows platform plugin under Xvfb,
#     at 100% and 200%, into build/windows/screenshots.
# Usage: test-wine.sh [linux build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/common.sh
(($# <= 1)) || die "usage: test-wine.sh [linux build folder, default build/ci]"
linux_build="${1:-build/ci}"
devsim="$linux_build/tools/devsim/strobix-devsim"
linux_strobix="$linux_build/src/strobix"
[[ -x "$devsim" && -x "$linux_strobix" ]] || die "no Linux build in $linux_build (run scripts/test.sh or build the ci preset)"
setup=$(ls build/windows/packages/strobix-*-win64-setup.exe 2>/dev/null) ||
    die "no installer in build/windows/packages (run scripts/build-windows.sh first)"
work="build/windows/wine-tests"
rm -rf "$work" && mkdir -p "$work"

export WINEDEBUG=-all
export WINEPREFIX="$PWD/$work/prefix"
trap restart_wine EXIT
echo "=== wine: prefix"
wineboot -i >/dev/null 2>&1
wineserver -w >/dev/null 2>&1

echo "=== wine: test suites"
# One at a time: on Windows the settings live in the registry, which the
# suites of one Wine prefix share (on Linux each has a folder of its own).
ctest --preset windows
restart_wine

echo "=== wine: packaging rules on stand-ins"
scripts/windows/test-packaging.sh
echo "=== wine: installer (a prefix of its own)"
scripts/windows/test-install.sh "$setup"

echo "=== wine: silent install for the tests below"
wine "$setup" /S
wineserver -w >/dev/null 2>&1
program_dir="$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")/Programs/Strobix"
installed="$program_dir/strobix.exe"
[[ -f "$installed" ]] || die "the installed program is missing: $installed"

echo "=== wine: download through COM5"
sample=examples/red-beacon.dat
start_devsim "$devsim" "$work/linux.log" --timeout 60 --save "$work/linux.bin"
"$linux_strobix" --download "$sample" --device "$devsim_device" --yes >/dev/null
wait "$devsim_pid"

start_devsim "$devsim" "$work/windows.log" --timeout 120 --save "$work/windows.bin"
wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$devsim_device" /f >/dev/null 2>>"$work/wine.log"
restart_wine
(cd "$work" && wine "$installed" --download "$(winepath -w "$PWD/../../../$sample")" \
    --port 5 --yes) >"$work/download.log" 2>&1 || {
    cat "$work/download.log"
    echo "the Windows program's download failed" >&2
    exit 1
}
devsim_status=0
wait "$devsim_pid" || devsim_status=$?
cat "$work/windows.log"
[[ $devsim_status -eq 0 ]] || die "the virtual device found faults"
cmp "$work/linux.bin" "$work/windows.bin" || {
    echo "the Windows program sent other bytes than the Linux one" >&2
    exit 1
}
echo "$(stat -c %s "$work/windows.bin") bytes, identical to the Linux program's"
# The device needs 550 ms after the marker, then 50 ms between records: 56
# records end at 3300 ms at the earliest; a sender that keeps up stays within 1%.
awk '/^Marker to first record:/ { first = $5 }
     /^Total \(marker to last record\):/ { total = $6 }
     END {
         printf "first record after %.2f ms, last after %.2f ms (goal: 550 ms and 3300-3333 ms)\n",
                first, total
         exit !(first >= 550 && total >= 3300 && total <= 3333)
     }' "$work/windows.log" || die "the Windows program's pacing is off"

echo "=== wine: the command line's answers and exit codes"
# expected exit code | what the output must contain | standard input | arguments
start_devsim "$devsim" "$work/cancel.log" --timeout 60
wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$devsim_device" /f >/dev/null 2>>"$work/wine.log"
restart_wine
# The wineserver this starts serves the cases below and is stopped with a dump
# of what it still holds: into the log, not into the test's output.
sample_w=$(winepath -w "$PWD/$sample" 2>>"$work/wine.log")
while IFS='|' read -r code expected input args; do
    status=0
    output=$(printf "$input" | wine "$installed" $args 2>&1) || status=$?
    if [[ $status -ne $code ]] || ! grep -qF -- "$expected" <<<"$output"; then
        echo "strobix.exe $args: exit code $status (expected $code), output:" >&2
        echo "$output" >&2
        exit 1
    fi
    echo "strobix.exe $args: exit code $status, says '$expected'"
done <<EOF_CASES
0|12345678901234567890123456789012345678901234567890||--print $sample_w
2|Cannot read||--print $sample_w.missing
5|Press Enter to download to COM5|n\n|--download $sample_w --port 5
3|COM7||--download $sample_w --port 7 --yes
1|--port||--download $sample_w
EOF_CASES
kill "$devsim_pid" 2>/dev/null || true
wait "$devsim_pid" 2>/dev/null || true

echo "=== wine: screenshots on the windows platform plugin"
restart_wine
# The program the Start menu starts.
scripts/windows/screenshot.sh "$program_dir/strobixw.exe" build/windows/screenshots
