#!/bin/bash
# The FLTK platform's tests, on a private X server with a window manager; the drawing
# test once more on a 16-bit display, whose pixels take the toolkit's converting path.
source "$(dirname "$0")/lib.sh"
BACKEND_TESTS=$2

start_desktop
"$BACKEND_TESTS" || fail "backend tests"

SCREEN_DEPTH=16
start_desktop
"$BACKEND_TESTS" --gtest_filter='FltkPlatformTest.Drawings*' || fail "drawing on a 16-bit display"
