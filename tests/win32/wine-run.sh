#!/usr/bin/env bash
# Runs a Windows program of the tests under Wine, on a virtual X display of its own, and stops
# Wine afterwards; skipped (exit 77) where Wine cannot start. CTest runs the Windows build's test
# programs through it (CMAKE_CROSSCOMPILING_EMULATOR).
# Usage: wine-run.sh <prefix> <program.exe> [arguments...]
#        wine-run.sh <prefix> --new-prefix     (the first test of a run)
set -euo pipefail
export PROPORCIA_WINE_PREFIX=$1
shift
# shellcheck source=wine-session.sh
source "$(dirname "$0")/wine-session.sh"

if [ "$1" = --new-prefix ]; then
    wine_make_prefix
    echo "A new Wine prefix in $WINEPREFIX"
    exit 0
fi

wine_ensure_prefix
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$PROPORCIA_WINE_PREFIX" "$@"
status=0
wine "$@" || status=$?
wine_stop
exit "$status"
