#!/usr/bin/env bash
# Builds each executable from scratch in a folder of its own and compares
# it byte for byte with the one in the build folder of its preset (itself a
# clean build in CI): nothing of the time or the place of a build may end up
# in the file.
#
# Usage: reproducible.sh <source folder> <work folder> <win64 build> <win32 build>
set -euo pipefail
source_dir=$1
work_dir=$2
win64_build=$3
win32_build=$4
jobs=2

mkdir -p "$work_dir"
status=0
for preset_and_target in win64:tuschelpost64 win32:tuschelpost32; do
    preset=${preset_and_target%%:*}
    target=${preset_and_target#*:}
    dir=$work_dir/$preset
    log=$work_dir/$preset.log
    rm -rf "$dir"
    cmake -S "$source_dir" -B "$dir" --preset "$preset" >"$log" 2>&1 || { cat "$log"; exit 1; }
    cmake --build "$dir" --target "$target" -j "$jobs" >>"$log" 2>&1 || { cat "$log"; exit 1; }
    if [ "$preset" = win64 ]; then reference=$win64_build; else reference=$win32_build; fi
    a=$reference/app/$target.exe
    b=$dir/app/$target.exe
    if cmp -s "$a" "$b"; then
        echo "$target.exe: the two builds are the same ($(stat -c %s "$a") bytes)"
    else
        echo "$target.exe: the two builds differ ($a, $b); differing bytes (offset, octal):"
        cmp -l "$a" "$b" | head -20 || true
        status=1
    fi
done
exit $status
