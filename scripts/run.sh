#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Strobix and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target strobix
exec build/default/src/strobix
