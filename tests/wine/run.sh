#!/usr/bin/env bash
# Runs one Windows program under Wine and ends with its exit code; the
# program is ended after the timeout. 32-bit programs are skipped with exit
# code 77 where the prefix cannot run them.
#
# Usage: run.sh PREFIX TIMEOUT_SECONDS PROGRAM.exe [ARGUMENTS...]
# TUSCHELPOST_WINE_NEEDS_32BIT=1 marks a 64-bit program that starts a 32-bit
# one, to be skipped in the same way.
# Without DISPLAY the program gets a display of its own (xvfb-run).
set -uo pipefail
export TUSCHELPOST_WINE_PREFIX=${1:?usage: run.sh PREFIX TIMEOUT PROGRAM [ARGS...]}
timeout_seconds=${2:?timeout in seconds}
program=${3:?Windows program}
here=$(dirname "$0")
# shellcheck source=wine-common.sh
. "$here/wine-common.sh"
ensure_display "$0" "$@"
shift 3

skip_code=77
if [ ! -f "$program" ]; then
    echo "run.sh: no such program: $program (build the Windows presets first)" >&2
    exit 1
fi
[ -f "$wine32_status_file" ] || "$here/prepare-prefix.sh" "$WINEPREFIX" || exit 1

machine=$(pe_machine "$program")
case $machine in
    8664) loader=$wine64_loader ;;
    014c) loader=$(wine32_loader) ;;
    *) echo "run.sh: not a Windows x86 or x86-64 program: $program" >&2; exit 1 ;;
esac
if [ "$machine" = 014c ] || [ "${TUSCHELPOST_WINE_NEEDS_32BIT:-0}" = 1 ]; then
    status=$(cat "$wine32_status_file" 2>/dev/null || echo "no: the prefix was not probed")
    if [ "$status" != yes ]; then
        echo "SKIPPED: $status" >&2
        exit $skip_code
    fi
fi

# Wine's own processes (services, the desktop) outlive the program while
# the wineserver lives and keep its output open; a pipe to them would never
# close, so the output goes through a file.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
# shellcheck disable=SC2086
timeout -k 10 "$timeout_seconds" $loader "$program" "$@" </dev/null >"$output" 2>&1
rc=$?
cat "$output"
# A GoogleTest program that dies half-way can still hand back 0 under Wine
# (seen with 32-bit Wine under qemu-user): its closing line is then missing.
if [ $rc = 0 ] && grep -q '^\[==========\] Running' "$output" &&
   ! grep -q '^\[==========\] .* ran\.' "$output"; then
    echo "run.sh: $program ended before its last test, without the closing summary" >&2
    rc=1
fi
if [ $rc = 0 ] && grep -q '^wine client error' "$output"; then
    echo "run.sh: Wine lost the connection to $program" >&2
    rc=1
fi
if [ $rc = 124 ] || [ $rc = 137 ]; then
    echo "run.sh: $program did not end within $timeout_seconds s" >&2
fi
exit $rc
