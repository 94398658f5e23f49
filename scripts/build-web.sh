#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser edition and writes it as a static site to build/web/site:
# the page, the program (strobix.js, strobix.wasm) and Qt's loader, the web app
# manifest and icons, a service worker that keeps everything for offline use,
# the users' manual and the example sequences.
# Stages: Qt for WebAssembly (the first run builds it from Debian's source,
# fetched through apt, with Debian's emscripten: about 45 minutes on two
# cores, into ~/.cache/strobix-web or $STROBIX_WEB_CACHE; later runs reuse it),
# the desktop program (it writes the gallery's sequence links), the program
# with the web preset, then the site.
# Usage: scripts/build-web.sh   ($STROBIX_HOST_PROGRAM: a desktop strobix to use)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh
(($# == 0)) || die "usage: scripts/build-web.sh (no arguments)"
scripts/install-deps.sh --web

{ read -r emsdk; read -r qt; } < <(scripts/web/build-qt.sh | tail -n 2)
export EMSDK="$emsdk" STROBIX_WEB_QT="$qt" NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
jobs="$(nproc)"

echo "=== web: the desktop program, for the gallery's links"
host="${STROBIX_HOST_PROGRAM:-build/default/src/strobix}"
if [[ ! -x "$host" ]]; then
    host=build/default/src/strobix
    cmake --preset default >/dev/null
    cmake --build --preset default --target strobix --parallel "$jobs"
fi

echo "=== web: build"
cmake --preset web >/dev/null
cmake --build --preset web --parallel "$jobs"

echo "=== web: site"
site=build/web/site
rm -rf "$site" && mkdir -p "$site/icons" "$site/examples"
cp build/web/src/strobix.js build/web/src/strobix.wasm build/web/src/qtloader.js "$site/"
cp packaging/web/strobix-page.js packaging/web/manifest.webmanifest "$site/"
cp packaging/strobix.svg "$site/icons/strobix.svg"
cp packaging/web/icons/*.png "$site/icons/"
cp -rL docs/manual "$site/manual"
# What the program carries comes with its licenses: Qt's (the Debian source it
# is built from) and the Liberation fonts'.
mkdir -p "$site/licenses"
cp LICENSE "$site/licenses/Strobix.txt"
cp /usr/share/doc/libqt6core6/copyright "$site/licenses/Qt.txt"
cp /usr/share/common-licenses/LGPL-3 "$site/licenses/LGPL-3.txt"
cp /usr/share/doc/fonts-liberation2/copyright "$site/licenses/Liberation-fonts.txt"
gallery=""
for example in examples/*.dat; do
    name=$(basename "$example" .dat)
    cp "$example" "$site/examples/"
    link=$("$host" --print-link "$example")
    gallery+="      <li><a href=\"$link\">${name//-/ }</a></li>"$'\n'
done
wasm_size=$(stat -c %s "$site/strobix.wasm")
awk -v gallery="${gallery%$'\n'}" -v size="$wasm_size" \
    '{ gsub(/@WASM_SIZE@/, size) } /@GALLERY@/ { print gallery; next } { print }' \
    packaging/web/index.html.in >"$site/index.html"
# The service worker names every file of the site and a version made of their
# contents: a new build is a new cache.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort)
version=$(cd "$site" && sha256sum $files | sha256sum | cut -c1-16)
list=$(printf '"./", '; printf '"%s", ' $files)
sed -e "s|@SITE_VERSION@|$version|" -e "s|@SITE_FILES@|${list%, }|" packaging/web/sw.js.in \
    >"$site/sw.js"
printf 'program: %s bytes of wasm (%s gzipped, %s brotli)\n' "$wasm_size" \
    "$(gzip -9 -c "$site/strobix.wasm" | wc -c)" "$(brotli -c "$site/strobix.wasm" | wc -c)"
echo "site: $site (serve it with: python3 -m http.server -d $site 8080 -b 127.0.0.1)"
