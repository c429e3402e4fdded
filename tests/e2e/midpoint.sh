#!/bin/bash
# "Midpoint" in the real window: an instant click and Escape, the bar, a hovered tab, a drag let go
# outside the window, "Clear", a click right after a quick move.
source "$(dirname "$0")/lib.sh"

start_desktop
open_program

press_release 490 17  # "Midpoint"
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

for _ in 1 2 3 4 5; do press_release 103 582; done  # the resolution bar's left arrow
# At depth 0 the curve is the control polygon itself, in green.
expect_screen "the resolution bar did not redraw the curve at depth 0" 'colour_near "$GREEN" 300 100'
pass "moving the resolution bar redraws at once"

xdotool mousemove --window "$WINDOW" 170 17  # "Cubic Splines"
expect_screen "the hovered \"Cubic Splines\" tab has no green outline" 'pixels_are "$GREEN" "124 15"'
xdotool mousemove --window "$WINDOW" 300 300
expect_screen "the outline stayed after the mouse left the tab" '! pixels_are "$GREEN" "124 15"'
pass "hovering a tab outlines it in its own colour"

# A point dragged out of the window and let go there stays red at the panel's edge; the pointer
# coming back without a button leaves it there.
xdotool mousemove --window "$WINDOW" 500 450 sleep 0.05 mousedown 1 sleep 0.06 mousemove --window "$WINDOW" 550 450 \
    sleep 0.06 mousemove --window "$WINDOW" 700 450 sleep 0.1 mouseup 1 sleep 0.1 mousemove --window "$WINDOW" 300 300
expect_screen "a point let go outside the window is held or moved" \
    'pixels_are "$RED" "579 450"' 'pixels_are "$WHITE" "300 300" "500 450"'
pass "a drag let go outside the window ends there, the point red at the panel's edge"

press_release 535 582  # "Clear"
expect_screen "\"Clear\" left points or curve behind" \
    'pixels_are "$WHITE" "100 400" "200 100" "400 100" "500 450" "300 100"'
pass "\"Clear\" removes every point"

# Right after a quick move the click lands where the pointer went, not where it was a moment ago.
xdotool mousemove --window "$WINDOW" 300 300 sleep 0.03 mousemove --window "$WINDOW" 40 17 click 1
expect_screen "a click right after a quick move missed \"DeBoor Splines\"" 'pixels_are "$BLUE" "300 24"'
pass "a click right after a quick move lands where the pointer went"

xdotool key Escape  # instant too
expect_exit "Escape did not end the program with status 0"
