#!/bin/bash
# The window's layout as it is resized, minimised and restored, and the two ways to end it.
source "$(dirname "$0")/lib.sh"

start_desktop
open_program
[ "$(client_size)" = "600x600" ] || fail "client area is $(client_size), expected 600x600"
xdotool windowsize "$WINDOW" 800 700
poll 10 eval '[ "$(client_size)" = 800x700 ]' || fail "the client area is $(client_size), expected 800x700"
find_client_origin
# Inside the drawing panel (the first point outside it at 600 x 600), and the frame around it.
PANEL_INSIDE=("778 568" "21 31" "778 31" "21 568" "400 350")
FRAME=("5 350" "794 350" "400 4" "5 690" "794 690")
expect_layout "the drawing panel did not follow the window to 800 x 700"
pass "the drawing panel follows the window to 770x550 at (15, 25)"

# The keys go to the knot box (where Escape does not end the program) until the window is
# minimised; restored, the window has them again, and the points are where they were.
press_release 100 100
press_release 700 500
xdotool mousemove --window "$WINDOW" 300 672 click 1
placed="$ORIGIN_X $ORIGIN_Y"
xdotool windowminimize --sync "$WINDOW" sleep 0.5  # frames run while it is minimised
timeout 5 xdotool windowactivate --sync "$WINDOW" 2>/dev/null
# Read the origin only once the window is back in its place: while it maps it may be elsewhere.
poll 10 eval 'find_client_origin; [ "$ORIGIN_X $ORIGIN_Y" = "$placed" ]' || fail "the restored window is not where it was"
expect_layout "the layout changed after minimise and restore"
expect_screen "the points moved after minimise and restore" 'pixels_are "$RED" "100 100" "700 500"'
# Chromium does not tell a page that its window was minimised (only a hidden tab): the page's box
# keeps the keys until a click into the drawing.
[ -z "${E2E_BROWSER:-}" ] || press_release 400 350
xdotool key Escape
expect_exit "Escape after minimise and restore did not end the program with status 0"
pass "minimised and restored, the window shows the same layout and points and has the keys"

open_program

# Down to one pixel wide and high: no control may take a negative size.
for ((w = 1; w <= 200; w++)); do xdotool windowsize "$WINDOW" $w $((w % 100 + 1)) sleep 0.02; done
sleep 0.5
expect_sound "client areas of 1 to 200 x 1 to 100 pixels: the program ended or reported errors"

# Wider than any bitmap can be: the program goes on, drawing what fits.
xdotool windowsize "$WINDOW" 32768 100
poll 10 eval '[ "$(client_size)" = 32768x100 ]' || fail "the client area is $(client_size), expected 32768x100"
xdotool windowsize "$WINDOW" 800 700
poll 10 eval '[ "$(client_size)" = 800x700 ]' && kill -0 "$PROGRAM" || fail "the program ended at 32768 pixels wide"
# The window manager may have pushed the window off the screen's left edge.
xdotool windowmove "$WINDOW" 0 0
poll 10 eval 'find_client_origin; [ "$ORIGIN_X" -ge 0 ]' || fail "the window did not come back onto the screen"
expect_layout "the layout is wrong after 32768 pixels wide"
pass "a client area 32768 pixels wide leaves the program running"

wmctrl -i -c "$WINDOW"
expect_exit "the window manager's close request did not end the program with status 0"
pass "the window manager's close request ends the program with status 0"
