#!/bin/bash
# Runs a Windows program under Wine in the tests' prefix: CTest's emulator for the Windows
# build. Usage: wine.sh WINE_HOME PROGRAM [ARGUMENT...]
source "$(dirname "$0")/wine-lib.sh" "$1"
shift
exec wine "$@"
