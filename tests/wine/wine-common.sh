# Sourced by the Wine scripts: one prefix per build folder, quiet Wine, and
# the loaders for 64-bit and 32-bit programs.
#
# TUSCHELPOST_WINE_PREFIX   the prefix folder (required)
# TUSCHELPOST_WINE32_LOADER the command that starts a 32-bit Windows program,
#                           /usr/lib/wine/wine unless set (for instance a
#                           user-mode emulator in front of that loader)
#
# Wine starts the loader of the other width itself (a 64-bit program that
# starts a 32-bit one) by adding or removing "64" at the end of WINELOADER.
# So the prefix has a folder of its own loaders: wine64 is Wine's, wine is a
# script that either hands over to the 32-bit loader or refuses at once while
# 32-bit programs cannot run here (then Wine's start of one fails quickly
# instead of hanging).

: "${TUSCHELPOST_WINE_PREFIX:?names the Wine prefix folder}"
export WINEPREFIX=$TUSCHELPOST_WINE_PREFIX
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their install would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Where the kernel runs no 32-bit programs, tests/wine32/enable.sh hands
# them to qemu-user and names a library that every Wine process preloads;
# prepare-prefix.sh keeps its answer here.
preload_file=$WINEPREFIX/.tuschelpost-preload
if [ -s "$preload_file" ]; then
    LD_PRELOAD=$(cat "$preload_file")
    export LD_PRELOAD
fi

loader_dir=$WINEPREFIX/tuschelpost-loaders
wine64_loader=$loader_dir/wine64
wine32_loader_script=$loader_dir/wine
export WINELOADER=$wine64_loader
wineserver=/usr/lib/wine/wineserver64

# The one place that says how a 32-bit Windows program is started.
wine32_loader() {
    echo "${TUSCHELPOST_WINE32_LOADER:-/usr/lib/wine/wine}"
}

# "yes", or "no: <why>": whether 32-bit programs run in the prefix.
wine32_status_file=$WINEPREFIX/.tuschelpost-32bit

# Writes the loader folder; with "on" the 32-bit script runs wine32_loader.
write_loaders() {
    mkdir -p "$loader_dir"
    ln -sf /usr/lib/wine/wine64 "$wine64_loader"
    if [ "$1" = on ]; then
        printf '#!/bin/sh\nexec %s "$@"\n' "$(wine32_loader)" > "$wine32_loader_script"
    else
        printf '#!/bin/sh\necho "32-bit programs are off in this prefix" >&2\nexit 126\n' \
            > "$wine32_loader_script"
    fi
    chmod +x "$wine32_loader_script"
}

# Succeeds when this machine can start the 32-bit loader at all; quick, and
# the answer for a machine that cannot run 32-bit Linux programs.
wine32_loader_starts() {
    # shellcheck disable=SC2046
    timeout -k 5 30 $(wine32_loader) --version >/dev/null 2>&1
}

# The machine type in the PE header of a Windows program: 8664 or 014c.
pe_machine() {
    local offset
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}

# Gives the script a display of its own when none was given (xvfb-run).
ensure_display() {
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    fi
}
