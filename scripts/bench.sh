#!/usr/bin/env bash
# Builds and runs both benchmarks and prints their tables:
#   1. codec throughput (host, -O2): EncodeBase64/DecodeBase64 next to
#      OpenSSL, modp_b64 and memcpy, on 1 KiB, 32 KiB and 1 MiB;
#   2. footprint under Wine: tuschelpost64.exe next to a bare window built
#      with the same toolchain and flags.
# The benchmarks are not part of the tests. Numbers go to docs/benchmarks.md.
#
# Usage: scripts/bench.sh [codec|footprint]   (both when no argument)
# Environment: TUSCHELPOST_BENCH_BUILD  folder for the two build trees
#                                       (default build/bench)
#              TUSCHELPOST_BENCH_REPS   repetitions of each codec case (9)
#              TUSCHELPOST_BENCH_STARTS starts of each program (20)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
what=${1:-all}
build=${TUSCHELPOST_BENCH_BUILD:-$root/build/bench}
reps=${TUSCHELPOST_BENCH_REPS:-9}
starts=${TUSCHELPOST_BENCH_STARTS:-20}
jobs=2

machine() {
    echo "Machine: $(nproc) processors, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
        "$(wine --version 2>/dev/null || echo 'no Wine'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
}

codec() {
    cmake --preset host -B "$build/host" -DTUSCHELPOST_BENCH=ON >/dev/null
    cmake --build "$build/host" -j "$jobs" --target codec_bench >/dev/null
    echo "== Codec throughput ($reps repetitions of each case, interleaved)"
    # The per-run lines go to a log; the summary at the end is the result.
    "$build/host/bench/codec_bench" --benchmark_repetitions="$reps" --benchmark_min_time=0.2 \
        --benchmark_enable_random_interleaving=true >"$build/codec_bench.log" 2>&1
    sed -n '/^Median throughput/,$p' "$build/codec_bench.log"
}

windows_path() {
    local path
    path=$(readlink -f "$1")
    echo "Z:${path//\//\\}"
}

footprint() {
    local tree=$build/win64 prefix=$build/win64/wineprefix
    cmake --preset win64 -B "$tree" -DTUSCHELPOST_BENCH=ON >/dev/null
    cmake --build "$tree" -j "$jobs" --target tuschelpost64 bare_window footprint_driver >/dev/null
    echo "== Footprint under Wine, 64-bit ($starts starts each)"
    # One display for the prefix's desktop and every program of the run.
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        set -e
        tests/wine/prepare-prefix.sh "$1" >/dev/null
        trap "tests/wine/stop-wine.sh \"$1\"" EXIT
        tests/wine/run.sh "$1" 1800 "$2" "$3" "$4" "$5"
    ' footprint "$prefix" "$tree/bench/footprint_driver.exe" \
        "$(windows_path "$tree/app/tuschelpost64.exe")" \
        "$(windows_path "$tree/bench/bare_window.exe")" "$starts"
    echo "32-bit: not measured (tuschelpost32 runs here only through an emulator," \
        "whose times say nothing about the program)"
}

machine
case $what in
    codec) codec ;;
    footprint) footprint ;;
    all) codec; echo; footprint ;;
    *) echo "usage: scripts/bench.sh [codec|footprint]" >&2; exit 2 ;;
esac
