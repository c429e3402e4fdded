#!/bin/bash
# Creates the tests' Wine prefix once (about 10 s), without a display, and starts Wine. Wine's
# crash dialog would wait for a click forever: switched off, a crashing test fails at once.
source "$(dirname "$0")/wine-lib.sh" "$1"
READY=$WINEPREFIX/tessary-ready
LOG=$WINE_HOME/prefix.log
unset DISPLAY
if [ ! -f "$READY" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINE_HOME"
    timeout 120 wineboot --init </dev/null >"$LOG" 2>&1 ||
        { cat "$LOG" >&2; echo "wineboot failed or took over 120 s" >&2; exit 1; }
    timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$LOG" 2>&1 ||
        { echo "cannot switch off Wine's crash dialog" >&2; exit 1; }
    touch "$READY"
fi
# Wine's own services start here, with their output away from the tests': a test program's
# test then ends with it, not seconds later when those services let go of its output.
# windows.stop ends the session at once.
wine_start "$LOG" || { echo "Wine did not start" >&2; exit 1; }
