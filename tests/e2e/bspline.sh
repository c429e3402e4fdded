#!/bin/bash
# The real program opens on "DeBoor Splines": blue frame and strip baseline, the drawing panel
# 570 x 450 at (15, 25) with the B-spline's three rows of controls below it. Four clicks give
# one uniform cubic B-spline segment with its shells; a degree or knot list typed into the
# edit boxes changes the curve at the next frame.
source "$(dirname "$0")/lib.sh"
PROGRAM_PATH=$1

# Client coordinates at 600 x 600.
KNOT_BOX="300 572"
DEGREE_BOX="567 572"

# Replaces the text of the edit box at the client point.
type_into() {
    xdotool mousemove --window "$WINDOW" $1 $2 click 1
    sleep 0.2
    xdotool key ctrl+a
    xdotool type --delay 50 "$3"
}

# Whether the rectangle x1 x2 y1 y2 of the last screenshot holds dark (text) pixels; the
# toolkit smooths its text, so few of them are pure black.
dark_in() {
    local y offset
    for ((y = $3; y <= $4; y++)); do
        offset=$((((ORIGIN_Y + y) * SCREEN_WIDTH + ORIGIN_X + $1) * 3))
        od -An -tu1 -v -j "$offset" -N $((($2 - $1 + 1) * 3)) "$WORK/screen.rgb" |
            tr -s ' ' '\n' | awk '$1 != "" && $1 < 64 {found = 1} END {exit !found}' && return 0
    done
    return 1
}

start_desktop
start_program "$PROGRAM_PATH"
wait_for_window Tessary
find_client_origin

PANEL_INSIDE=("21 31" "578 31" "21 468" "578 468" "300 290")
FRAME=("5 300" "594 300" "5 590" "594 590")
expect_layout "drawing panel above the B-spline's rows"
expect_pixels "$BLUE" "frame and baseline of the selected entry" "13 300" "300 24" "586 300"
expect_screen "no knot list, degree or labels in the third row" \
    'dark_in 72 110 565 580' 'dark_in 559 576 565 580' 'dark_in 16 60 565 580'
pass "the program opens on \"DeBoor Splines\" with its three rows of controls"

for point in "100 400" "200 100" "400 100" "500 450"; do press_release $point; done
# From (p0 + 4 p1 + p2) / 6 to (p1 + 4 p2 + p3) / 6; the shells' large dot on the curve at
# its middle, (p0 + 23 p1 + 23 p2 + p3) / 48, and a small one at the middle of p1 p2.
expect_screen "four clicks: no uniform cubic segment with its shells" \
    'colour_near "$GREEN" 216 150' 'colour_near "$GREEN" 383 158' \
    'pixels_are "$BLUE" "300 113" "300 100"'
pass "four clicks give one uniform cubic segment with its shells"

# Degree 2 over the same knots: from the middle of p0 p1 to that of p2 p3.
type_into $DEGREE_BOX 2
expect_screen "the typed degree did not change the curve" \
    'colour_near "$GREEN" 150 250' 'colour_near "$GREEN" 450 275' '! colour_near "$GREEN" 216 150'
pass "a typed degree changes the curve"

# Clamped knots: the Bézier curve of p0, p1, p2, at a quarter (9 p0 + 6 p1 + p2) / 16.
type_into $KNOT_BOX "0 0 0 1 1 1"
expect_screen "the typed knot list did not change the curve" \
    'colour_near "$GREEN" 156 268' '! colour_near "$GREEN" 450 275'
pass "a typed knot list changes the curve"
