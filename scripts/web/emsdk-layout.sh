#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the emsdk folder layout that Qt's wasm toolchain looks for, out of
# links to Debian's emscripten: $1/.emscripten names the root, and
# $1/upstream/emscripten holds links to every entry of /usr/share/emscripten
# and to the em* commands. Idempotent.
set -euo pipefail
emsdk="${1:?usage: emsdk-layout.sh FOLDER}"
upstream="$emsdk/upstream/emscripten"
mkdir -p "$upstream"
for entry in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
    ln -sfn "$entry" "$upstream/$(basename "$entry")"
done
for command in emcc em++ emar emranlib em-config emcmake emmake; do
    [[ -x /usr/bin/$command ]] && ln -sfn "/usr/bin/$command" "$upstream/$command"
done
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
