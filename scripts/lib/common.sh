# SPDX-License-Identifier: MIT
# Small helpers the build and test scripts share; sourced, never run.

die() { echo "$(basename "$0"): $*" >&2; exit 1; }

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

# Stops this Wine prefix's server and waits until it has gone, so that the next
# wine call starts one that reads the registry afresh.
restart_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}

# Starts the virtual device in the background, logging to $2, and waits (at most
# 30 s) for it to name its terminal. Sets devsim_pid and devsim_device.
# $1: strobix-devsim, $2: log file, the rest: its options.
start_devsim() {
    local program="$1" log="$2"
    shift 2
    "$program" "$@" >"$log" 2>&1 &
    devsim_pid=$!
    devsim_device=""
    for _ in $(seq 1 300); do
        devsim_device=$(sed -n 's/^device: //p' "$log")
        [[ -n "$devsim_device" ]] && return 0
        kill -0 "$devsim_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$log" >&2
    die "the virtual device did not start (log: $log)"
}
