#!/bin/bash
# The program's window at start-up: the grey frame with the white drawing panel inset at
# client (15, 25), 570 x 450, above the B-spline's three rows of controls; Escape and the
# window manager's close request end it cleanly.
source "$(dirname "$0")/lib.sh"
PROGRAM_PATH=$1
TITLE=Tessary

# Inside the drawing panel, away from its edges where a frame line may be drawn.
PANEL_INSIDE=("21 31" "578 31" "21 468" "578 468" "300 290")
# Frame around the panel, clear of the tab strip above and the controls below.
FRAME=("5 300" "594 300" "300 4" "5 590" "594 590")

start_desktop

start_program "$PROGRAM_PATH"
wait_for_window "$TITLE"
find_client_origin
[ "$(client_size)" = "600x600" ] || fail "client area is $(client_size), expected 600x600"
expect_layout "drawing panel"
pass "grey frame with the white drawing panel at (15, 25)"

timeout 5 xdotool windowactivate --sync "$WINDOW" 2>/dev/null
press_key Escape
wait_for_exit 1 || fail "Escape did not end the program within a second"
[ "$EXIT_STATUS" = 0 ] || fail "Escape: exit status $EXIT_STATUS"
pass "Escape ends the program with status 0"

start_program "$PROGRAM_PATH"
wait_for_window "$TITLE"
wmctrl -i -c "$WINDOW"
wait_for_exit 2 || fail "the close request did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "close request: exit status $EXIT_STATUS"
pass "the window manager's close request ends the program with status 0"
