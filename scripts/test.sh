#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Strobix and runs every test: a bounded fuzzing run of the data file
# reader, then every test suite once with warnings as errors (followed by the
# checks of the Debian package) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the random UI stress test under both
# sanitizers for a bounded time, then the browser edition in headless
# Chromium (its page, and downloads over a Web Serial stand-in), and last
# the Windows build under Wine: its suites, its installer, a download through
# a COM port and its screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test --windows --web
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

# The Windows build takes longest (its Qt, on a machine without the cache): it
# runs in the background at the lowest priority, in the gaps the Linux builds
# and tests leave, and is waited for at the end.
mkdir -p build
windows_log="build/windows-build.log"
nice -n 19 scripts/build-windows.sh >"$windows_log" 2>&1 &
windows_build=$!

# The data file reader takes files from anywhere: fuzz it for a bounded time.
# libFuzzer exits non-zero on any crash, sanitizer report, leak or hang.
echo "=== fuzz: build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$jobs"
echo "=== fuzz: data file reader, 60 s"
fuzz_dir="build/fuzz/run"
rm -rf "$fuzz_dir" && mkdir -p "$fuzz_dir/corpus" "$fuzz_dir/artifacts"
if ! build/fuzz/fuzz/sequence_file_fuzzer -max_total_time=60 -max_len=4096 -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$fuzz_dir/artifacts/" \
        "$fuzz_dir/corpus" fuzz/corpus >"$fuzz_dir/log" 2>&1; then
    tail -n 60 "$fuzz_dir/log"
    echo "fuzzing found a problem; the input is in $fuzz_dir/artifacts" >&2
    exit 1
fi
grep -E '^(Done|stat::(number_of_executed_units|peak_rss_mb))' "$fuzz_dir/log"

for preset in ci asan; do
    echo "=== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$jobs"
    echo "=== $preset: test"
    ctest --preset "$preset" --parallel "$jobs" --label-exclude stress
    if [[ "$preset" == ci ]]; then
        # The package the deb_package test just built from this build.
        echo "=== ci: Debian package checks"
        scripts/check-package.sh build/ci
        # The browser edition, in the background like the Windows build; its
        # gallery's links come from this build's program.
        web_log="build/web-build.log"
        STROBIX_HOST_PROGRAM=build/ci/src/strobix nice -n 19 scripts/build-web.sh >"$web_log" 2>&1 &
        web_build=$!
    fi
done

# Random use of the whole window, seed after seed: every seed is logged, and a
# failing one prints its actions and how to replay it.
export STROBIX_STRESS_SECONDS="${STROBIX_STRESS_SECONDS:-60}"
echo "=== asan: UI stress test, $STROBIX_STRESS_SECONDS s"
stress_log="build/asan/uistress.log"
if ctest --preset asan --label-regex stress --verbose >"$stress_log" 2>&1; then
    grep -E 'first seed|seed [0-9]+:|tests passed' "$stress_log"
else
    grep -v 'QWARN' "$stress_log" | tail -n 400
    echo "the UI stress test found a fault; the whole log is $stress_log" >&2
    exit 1
fi

echo "=== web: build (in the background since the ci stage)"
if ! wait "$web_build"; then
    tail -n 80 "$web_log"
    echo "the web build failed; the whole log is $web_log" >&2
    exit 1
fi
grep -E '^(=== |program:)' "$web_log" || true
echo "=== web: the site in headless Chromium, and downloads over a Web Serial stand-in"
(cd tests/web && npm ci --silent)
STROBIX_SITE="$PWD/build/web/site" STROBIX_DESKTOP="$PWD/build/ci/src/strobix" \
STROBIX_DEVSIM="$PWD/build/ci/tools/devsim/strobix-devsim" \
    node --test --test-concurrency=1 tests/web/site.test.mjs tests/web/serial.test.mjs

echo "=== windows: build (in the background since the start)"
if ! wait "$windows_build"; then
    tail -n 80 "$windows_log"
    echo "the Windows build failed; the whole log is $windows_log" >&2
    exit 1
fi
grep -E '^(=== |-r)' "$windows_log" || true
scripts/windows/test-wine.sh build/ci
