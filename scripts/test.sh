#!/usr/bin/env bash
# Builds Strobix and runs every test: once with warnings as errors, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

for preset in ci asan; do
    echo "=== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$jobs"
    echo "=== $preset: test"
    ctest --preset "$preset" --parallel "$jobs"
done
