#!/usr/bin/env bash
# Makes the Wine prefix once and reuses it afterwards, with Wine's virtual
# desktop set so that windows get captions and frames without a window
# manager. The 64-bit half is made first; the 32-bit half is added and
# tried with a time limit, and the answer kept for the 32-bit tests. Then
# one wineserver is started that stays for the whole test run (stop-wine.sh
# ends it).
#
# Usage: prepare-prefix.sh PREFIX
# To try 32-bit programs again (another TUSCHELPOST_WINE32_LOADER, a fixed
# machine), delete the prefix.
set -euo pipefail
export TUSCHELPOST_WINE_PREFIX=${1:?usage: prepare-prefix.sh PREFIX}
here=$(dirname "$0")
# shellcheck source=wine-common.sh
. "$here/wine-common.sh"
ensure_display "$0" "$@"

made_file=$WINEPREFIX/.tuschelpost-prefix
if [ -f "$made_file" ] && [ -f "$wine32_status_file" ]; then
    echo "Reusing the Wine prefix $WINEPREFIX"
else
    echo "Making the Wine prefix $WINEPREFIX"
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    start=$SECONDS
    enable32=$here/../wine32/enable.sh
    if [ -x "$enable32" ]; then
        "$enable32" "$WINEPREFIX/tuschelpost-shim" > "$preload_file" ||
            echo "prepare-prefix.sh: $enable32 failed; 32-bit programs may not run" >&2
        . "$here/wine-common.sh"
    fi
    write_loaders off
    timeout -k 10 300 "$wine64_loader" wineboot -i
    timeout -k 10 120 "$wineserver" -w
    for key in 'Explorer /v Desktop /d Default' 'Explorer\Desktops /v Default /d 1280x1024'; do
        # shellcheck disable=SC2086
        timeout -k 10 60 "$wine64_loader" reg add "HKCU\\Software\\Wine\\${key%% *}" \
            ${key#* } /f >/dev/null
    done
    timeout -k 10 120 "$wineserver" -w
    touch "$made_file"
    echo "64-bit prefix made in $((SECONDS - start)) s"

    # The 32-bit half: what wineboot does for it, then one real program.
    start=$SECONDS
    set +e
    if ! wine32_loader_starts; then
        status="no: this machine cannot run 32-bit programs ($(wine32_loader) does not start)"
    else
        write_loaders on
        # shellcheck disable=SC2046
        timeout -k 5 180 $(wine32_loader) 'C:\windows\syswow64\rundll32.exe' \
            setupapi,InstallHinfSection Wow64Install 128 '\\?\Z:\usr\share\wine\wine.inf'
        rc=$?
        timeout -k 5 60 "$wineserver" -w
        if [ $rc != 0 ]; then
            status="no: this machine cannot run 32-bit programs (32-bit Wine set-up ended with $rc; 124 is a time-out)"
        else
            # shellcheck disable=SC2046
            timeout -k 5 60 $(wine32_loader) 'C:\windows\syswow64\cmd.exe' /c exit 3 >/dev/null 2>&1
            rc=$?
            if [ $rc = 3 ]; then
                status=yes
            else
                status="no: this machine cannot run 32-bit programs (a 32-bit test program ended with $rc, not 3; 124 is a time-out)"
            fi
        fi
        "$wineserver" -k 2>/dev/null
        timeout -k 5 30 "$wineserver" -w
    fi
    set -e
    echo "$status" > "$wine32_status_file"
    echo "32-bit half tried in $((SECONDS - start)) s"
fi

if [ "$(cat "$wine32_status_file")" = yes ]; then write_loaders on; else write_loaders off; fi
echo "32-bit programs: $(cat "$wine32_status_file")"

# One wineserver for every test from now on; stop-wine.sh ends it. One that
# is still running (an earlier run that was cut off) serves as well.
"$wineserver" -p </dev/null >/dev/null 2>&1 || true
