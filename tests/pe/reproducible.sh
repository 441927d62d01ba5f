#!/usr/bin/env bash
# Builds each executable twice from scratch, in two different folders, and
# compares the results byte for byte: nothing of the time or the place of a
# build may end up in the file.
#
# Usage: reproducible.sh <source folder> <work folder>
set -euo pipefail
source_dir=$1
work_dir=$2
jobs=2

mkdir -p "$work_dir"
status=0
for preset_and_target in win64:tuschelpost64 win32:tuschelpost32; do
    preset=${preset_and_target%%:*}
    target=${preset_and_target#*:}
    for copy in a b; do
        dir=$work_dir/$copy/$preset
        rm -rf "$dir"
        cmake -S "$source_dir" -B "$dir" --preset "$preset" >"$work_dir/$copy-$preset.log" 2>&1 ||
            { cat "$work_dir/$copy-$preset.log"; exit 1; }
        cmake --build "$dir" --target "$target" -j "$jobs" >>"$work_dir/$copy-$preset.log" 2>&1 ||
            { cat "$work_dir/$copy-$preset.log"; exit 1; }
    done
    a=$work_dir/a/$preset/app/$target.exe
    b=$work_dir/b/$preset/app/$target.exe
    if cmp -s "$a" "$b"; then
        echo "$target.exe: the two builds are the same ($(stat -c %s "$a") bytes)"
    else
        echo "$target.exe: the two builds differ ($a, $b); differing bytes (offset, octal):"
        cmp -l "$a" "$b" | head -20 || true
        status=1
    fi
done
exit $status
