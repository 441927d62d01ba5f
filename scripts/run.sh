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
    exec tests/wine/run.sh "$prefix" "$limit" "$program"
fi

# No display: a virtual one, a screenshot once the window is up, and the
# program keeps running until it is closed (Ctrl+C ends it).
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    tests/wine/run.sh "$3" "$4" "$1" & pid=$!
    for _ in $(seq 1 100); do
        xdotool search --name "Tuschelpost Programm" >/dev/null 2>&1 && break
        sleep 0.2
    done
    import -window root "$2/screenshot.png" && echo "screenshot: $2/screenshot.png"
    wait $pid' _ "$program" "$out" "$prefix" "$limit"
