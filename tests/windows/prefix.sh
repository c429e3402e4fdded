#!/bin/bash
# Creates the Wine prefix of the Windows tests once (about 20 s), quietly and without a
# display. Wine's crash dialog would wait for a click forever: it is switched off, so a
# crashing test fails at once.
source "$(dirname "$0")/wine-lib.sh" "$1"
READY=$WINEPREFIX/tessary-ready
[ -f "$READY" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$WINE_HOME"
unset DISPLAY
timeout 120 wineboot --init </dev/null || { echo "wineboot failed or took over 120 s" >&2; exit 1; }
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null ||
    { echo "cannot switch off Wine's crash dialog" >&2; exit 1; }
touch "$READY"
