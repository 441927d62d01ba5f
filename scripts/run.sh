#!/usr/bin/env bash
# Builds tuschelpost64.exe and starts it under Wine: on this machine's
# display when there is one, otherwise on a virtual display, where a
# screenshot of the window is saved to build/run/screenshot.png.
#   scripts/run.sh          the 64-bit program
#   scripts/run.sh 32       the 32-bit program
set -euo pipefail
cd "$(dirname "$0")/.."

bits=${1:-64}
case "$bits" in 64|32) ;; *) echo "usage: $0 [64|32]" >&2; exit 2 ;; esac

scripts/install-deps.sh
cmake --preset "win$bits" >/dev/null
cmake --build --preset "win$bits" -j "$(nproc)" --target "tuschelpost$bits"
program="$PWD/build/win$bits/app/tuschelpost$bits.exe"

out="$PWD/build/run"
mkdir -p "$out"
prefix="$PWD/build/wine-prefix"
# The program runs until its window is closed; a day is the run's limit.
limit=86400

if [ -n "${DISPLAY:-}" ]; then
    tests/wine/prepare-prefix.sh "$prefix"
    status=0
    tests/wine/run.sh "$prefix" "$limit" "$program" || status=$?
    tests/wine/stop-wine.sh "$prefix"
    exit $status
fi

# No display: a virtual one, a screenshot once the window is up, and the
# program keeps running until it is closed (Ctrl+C ends it).
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    program=$1 out=$2 prefix=$3 limit=$4
    tests/wine/prepare-prefix.sh "$prefix" || exit 1
    tests/wine/run.sh "$prefix" "$limit" "$program" & pid=$!
    shown=no
    for _ in $(seq 1 300); do
        if xdotool search --name "Tuschelpost Programm" >/dev/null 2>&1; then shown=yes; break; fi
        kill -0 $pid 2>/dev/null || break
        sleep 0.2
    done
    if [ $shown = yes ]; then
        sleep 1   # let the window paint its controls before the picture
        import -window root "$out/screenshot.png" && echo "screenshot: $out/screenshot.png"
    else
        echo "the window did not appear within a minute" >&2
    fi
    status=0
    wait $pid || status=$?
    tests/wine/stop-wine.sh "$prefix"
    exit $status' _ "$program" "$out" "$prefix" "$limit"
