# SPDX-License-Identifier: MIT
# Small helpers the build and test scripts share; sourced, never run.

die() { echo "$*" >&2; exit 1; }

# The folder of the cross builds' prebuilt parts (Qt, giflib), outside the work
# tree so that a clean checkout reuses them. $1: windows or web.
cache_dir() {
    case "$1" in
    windows) echo "${STROBIX_WINDOWS_CACHE:-$HOME/.cache/strobix-windows}" ;;
    web) echo "${STROBIX_WEB_CACHE:-$HOME/.cache/strobix-web}" ;;
    *) die "cache_dir: unknown cache '$1'" ;;
    esac
}

# The source version of an installed binary package, e.g. 6.4.2+dfsg-10: the
# cross builds take the same sources as the host's libraries.
installed_source_version() {
    dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null || die "$1 is not installed"
}

# Fetches the files of a Debian source package (its .dsc, orig and debian
# tarballs) into a folder through the machine's own apt sources, and checks
# each against the SHA-256 sums the .dsc lists. Needs deb-src entries
# (scripts/install-deps.sh --windows or --web adds them).
# $1: source package, $2: version, $3: folder.
fetch_debian_source() {
    local package="$1" version="$2" folder="$3" dsc
    dsc="$folder/${package}_${version#*:}.dsc"
    mkdir -p "$folder"
    if [[ ! -f "$dsc" ]]; then
        (cd "$folder" && apt-get source --download-only -qq "$package=$version") >&2 ||
            die "apt-get could not fetch the source of $package $version; are deb-src entries enabled (scripts/install-deps.sh --windows)?"
    fi
    # The Checksums-Sha256 field: one " sum size name" line per file.
    sed -n '/^Checksums-Sha256:/,/^[^ ]/{/^ /p}' "$dsc" |
        while read -r sum _ name; do echo "$sum  $folder/$name"; done |
        sha256sum -c --quiet - || die "the source files of $package $version do not match $dsc"
}
