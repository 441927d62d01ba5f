#!/usr/bin/env bash
# Builds everything and runs every test through one CTest run: the host unit
# tests (plain and under AddressSanitizer/UndefinedBehaviorSanitizer), the
# fuzzers for a bounded time, and both executables under Wine on a virtual
# display. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
cmake --preset host -DTUSCHELPOST_WINDOWS_TESTS=ON >/dev/null
cmake --build --preset host -j "$jobs"

# One private X display for the whole run; the Wine tests share it.
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset host "$@"
