#!/usr/bin/env bash
# Ends every Wine process of the prefix and its wineserver, so that nothing
# of the test run stays behind.
#
# Usage: stop-wine.sh PREFIX
set -uo pipefail
export TUSCHELPOST_WINE_PREFIX=${1:?usage: stop-wine.sh PREFIX}
# shellcheck source=wine-common.sh
. "$(dirname "$0")/wine-common.sh"
[ -d "$WINEPREFIX" ] || exit 0
"$wineserver" -k 2>/dev/null
timeout -k 5 30 "$wineserver" -w 2>/dev/null
exit 0
