#!/usr/bin/env bash
# Fuzzes one codec operation for longer than the test run does:
#   scripts/fuzz.sh encode|decode SECONDS [BUILD_DIR]
# Builds the fuzzer in BUILD_DIR (default build/fuzz, a host tree of its own)
# and runs it in two processes, one for each core. The corpus grows in BUILD_DIR/corpus/OPERATION,
# seeded from tests/fuzz/corpus and kept between runs; a failing input is
# saved in BUILD_DIR as crash-* and can be replayed with
#   BUILD_DIR/tests/fuzz/OPERATION_fuzzer CRASH_FILE
set -euo pipefail
cd "$(dirname "$0")/.."

operation=${1:?usage: scripts/fuzz.sh encode|decode SECONDS [BUILD_DIR]}
seconds=${2:?usage: scripts/fuzz.sh encode|decode SECONDS [BUILD_DIR]}
build=${3:-build/fuzz}
case "$operation" in encode|decode) ;; *) echo "no fuzzer for '$operation'" >&2; exit 2 ;; esac

cmake --preset host -B "$build" >/dev/null
cmake --build "$build" --target "${operation}_fuzzer"

corpus="$build/corpus/$operation"
mkdir -p "$corpus"
cp -n tests/fuzz/corpus/"$operation"/* "$corpus"/
exec "$build/tests/fuzz/${operation}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -fork=2 -artifact_prefix="$build/" "$corpus"
