#!/bin/bash
# Runs an end-to-end script of tests/e2e against Windows programs under Wine. The script
# gets launchers that run the programs in the tests' prefix, so it drives them as it drives
# the Linux ones. Usage: e2e.sh WINE_HOME SCRIPT PROGRAM.exe...
WINE_SH=$(dirname "$0")/wine.sh
WINE_HOME=$1 SCRIPT=$2
shift 2
LAUNCHERS=$(mktemp -d)
launchers=()
for program in "$@"; do
    launcher=$LAUNCHERS/$(basename "$program" .exe)
    printf '#!/bin/bash\nexec bash %q %q %q "$@"\n' "$WINE_SH" "$WINE_HOME" "$program" >"$launcher"
    chmod +x "$launcher"
    launchers+=("$launcher")
done
bash "$SCRIPT" "${launchers[@]}"
status=$?
# Each script starts its own X server: no Wine process may outlive it.
source "$(dirname "$0")/wine-lib.sh" "$WINE_HOME"
wineserver -k 2>/dev/null
wineserver -w
rm -rf "$LAUNCHERS"
exit $status
