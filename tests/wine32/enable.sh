#!/usr/bin/env bash
# Lets Wine start 32-bit Windows programs on a machine whose kernel runs no
# 32-bit Linux programs: i386 programs are handed to qemu-user through
# binfmt_misc, and a small preload library keeps Wine's start fast there.
# Does nothing where 32-bit programs run natively. Needs root; safe to run
# again. Prints the LD_PRELOAD value the Wine processes need (may be empty).
#
# Usage: enable.sh SHIM_FOLDER
set -euo pipefail
shim_dir=${1:?folder for the preload library}
here=$(cd "$(dirname "$0")" && pwd)

if /usr/lib/wine/wine --version >/dev/null 2>&1 && \
   ! grep -qs '^interpreter /usr/bin/qemu-i386-static' /proc/sys/fs/binfmt_misc/qemu-i386; then
    exit 0   # native 32-bit support
fi
[ -x /usr/bin/qemu-i386-static ] || { echo "enable.sh: qemu-user-static is missing" >&2; exit 1; }

binfmt=/proc/sys/fs/binfmt_misc
mountpoint -q "$binfmt" || mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
    # i386 ELF executables; F keeps the interpreter open for every namespace.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        > "$binfmt/register"
fi

# $LIB makes the dynamic loader pick the library of the process's own width:
# the real one for i386, an empty one for x86-64.
lib32=$shim_dir/lib/i386-linux-gnu/wineshim.so
lib64=$shim_dir/lib/x86_64-linux-gnu/wineshim.so
if [ ! -f "$lib32" ] || [ "$here/mmap_noreplace_shim.c" -nt "$lib32" ]; then
    mkdir -p "$(dirname "$lib32")" "$(dirname "$lib64")"
    gcc -m32 -O2 -shared -fPIC -nostdlib -o "$lib32" "$here/mmap_noreplace_shim.c"
    echo 'void TuschelpostWineShim(void) {}' | gcc -x c -O2 -shared -fPIC -nostdlib -o "$lib64" -
fi
echo "$shim_dir/\$LIB/wineshim.so"
