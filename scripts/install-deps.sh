#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and nothing that
# is already there. Safe to run again.
set -euo pipefail

packages=(
    cmake g++ make libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 wine32:i386 qemu-user-static gcc
    xvfb xauth xdotool x11-apps imagemagick
    clang-14 libclang-rt-14-dev
)
[ "${TUSCHELPOST_BENCH_DEPS:-0}" = 1 ] && packages+=(libssl-dev libmodpbase64-dev)

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# wine32 is a 32-bit package: the i386 architecture must be known first.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
