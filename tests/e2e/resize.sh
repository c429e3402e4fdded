#!/bin/bash
# After the window is resized to a client area of 800 x 700, the white drawing panel sits
# at client (15, 25) with size 770 x 550 (the B-spline's controls below it) and the grey
# frame surrounds it.
source "$(dirname "$0")/lib.sh"
PROGRAM_PATH=$1

# Inside the resized panel, away from its edges; the first one lies outside the old panel.
PANEL_INSIDE=("778 568" "21 31" "778 31" "21 568" "400 350")
# Frame around the panel, clear of the tab strip above and the controls below.
FRAME=("5 350" "794 350" "400 4" "5 690" "794 690")

start_desktop
start_program "$PROGRAM_PATH"
wait_for_window Tessary

xdotool windowsize "$WINDOW" 800 700
poll 5 eval '[ "$(client_size)" = 800x700 ]' || fail "the client area is $(client_size), expected 800x700"
find_client_origin
expect_layout "resized drawing panel"
pass "the drawing panel follows the window to 770x550 at (15, 25)"
