#!/bin/bash
# The FLTK platform's tests, on a private X server with a window manager.
source "$(dirname "$0")/lib.sh"

start_desktop
"$2" || fail "backend tests"
