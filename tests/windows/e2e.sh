#!/bin/bash
# Runs an end-to-end script of tests/e2e against Windows programs under Wine. The script
# gets launchers that run the programs in the tests' prefix, so it drives them as it drives
# the Linux ones. Usage: e2e.sh WINE_HOME SCRIPT PROGRAM.exe...
WINE_SH=$(dirname "$0")/wine.sh
WINE_HOME=$1 SCRIPT=$2
shift 2
source "$(dirname "$0")/wine-lib.sh" "$WINE_HOME"
LAUNCHERS=$(mktemp -d)
launchers=()
for program in "$@"; do
    launcher=$LAUNCHERS/$(basename "$program" .exe)
    printf '#!/bin/bash\nexec bash %q %q %q "$@"\n' "$WINE_SH" "$WINE_HOME" "$program" >"$launcher"
    chmod +x "$launcher"
    launchers+=("$launcher")
done
# Wine's desktop process keeps the display of whatever started it and outlives it (the unit
# tests, or Wine's own services, start one with no display): a script's program that came upon
# it would get no window. So each script has a Wine session of its own, begun on its own X
# server once that runs (lib.sh calls the hook) and ended after it.
export E2E_DESKTOP_HOOK="source $(printf %q "$(dirname "$0")/wine-lib.sh") $(printf %q "$WINE_HOME") && \
wine_start $(printf %q "$WINE_HOME/prefix.log")"
wine_stop
bash "$SCRIPT" "${launchers[@]}"
status=$?
wine_stop
rm -rf "$LAUNCHERS"
exit $status
