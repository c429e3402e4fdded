#!/bin/bash
# "Midpoint": points placed, dragged and cleared, the curve following, the bar, a hovered tab.
source "$(dirname "$0")/lib.sh"

# Client coordinates of the layout at 600 x 600: the drawing panel at (15, 25), 570 x 535.
MIDPOINT_TAB="490 17"
CUBIC_TAB="170 17"
CLEAR_BUTTON="535 582"
RES_BAR_LEFT_ARROW="103 582"

start_desktop
open_program

press_release $MIDPOINT_TAB
# P0..P3 in client coordinates; the cubic's point at t = 1/2 is (300, 181).
for point in "100 400" "200 100" "400 100"; do press_release $point; done
xdotool mousemove --window "$WINDOW" 500 450 sleep 0.1 click 1  # instant: press and release in one frame
expect_screen "four clicks: no red points, black polygon and green curve" \
    'pixels_are "$RED" "100 400" "200 100" "400 100"' \
    'pixels_are "$BLACK" "150 250" "300 100"' \
    'colour_near "$GREEN" 300 181' \
    'colour_near "$GREEN" 102 392' \
    'colour_near "$GREEN" 497 442'
pass "four clicks place red points, the black polygon and a green curve from the first to the last"

drag 200 100 250 150
# The curve's point at t = 1/2 moves to (318, 200); the old place of P1 is empty.
expect_screen "the curve did not follow the dragged point" \
    'pixels_are "$WHITE" "200 100"' \
    'colour_near "$GREEN" 318 200'
pass "a dragged point moves and the curve follows"

drag 100 400 100 595
# Held 6 pixels inside the panel's bottom edge (client y 560): centre at client y 554.
expect_screen "a point dragged out of the panel left it" \
    'pixels_are "$WHITE" "100 400"' \
    '! pixels_are "$WHITE" "100 554"' \
    'pixels_are "$WHITE" "100 546"'
pass "a point dragged out of the panel stays 6 pixels inside"

for _ in 1 2 3 4 5; do press_release $RES_BAR_LEFT_ARROW; done
# At depth 0 the curve is the control polygon itself, in green.
expect_screen "the resolution bar did not redraw the curve at depth 0" 'colour_near "$GREEN" 325 125'
pass "moving the resolution bar redraws at once"

xdotool mousemove --window "$WINDOW" $CUBIC_TAB
expect_screen "the hovered \"Cubic Splines\" tab has no green outline" 'pixels_are "$GREEN" "124 15"'
xdotool mousemove --window "$WINDOW" 300 300
expect_screen "the outline stayed after the mouse left the tab" '! pixels_are "$GREEN" "124 15"'
pass "hovering a tab outlines it in its own colour"

press_release $CLEAR_BUTTON
expect_screen "\"Clear\" left points or curve behind" \
    'pixels_are "$WHITE" "100 554" "250 150" "400 100" "500 450" "325 125"'
pass "\"Clear\" removes every point"

xdotool key Escape  # instant too
wait_for_exit 10 || fail "Escape did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
