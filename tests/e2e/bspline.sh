#!/bin/bash
# "DeBoor Splines", where the program starts: its curve and shells, the typed degree and knots.
source "$(dirname "$0")/lib.sh"

# Replaces the text of the edit box at the client point (x, y) with the third argument, as
# quickly as a user types. Wine's edit box knows no Ctrl+A: the text is cleared from the end.
type_into() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1 sleep 0.2 key End key --repeat 80 --delay 4 BackSpace \
        type --delay 25 "$3"
}

start_desktop
open_program

for point in "100 400" "200 100" "400 100" "500 450"; do press_release $point; done
# (p0 + 4 p1 + p2) / 6 to (p1 + 4 p2 + p3) / 6; the shells' dots at the middle of the curve,
# (p0 + 23 p1 + 23 p2 + p3) / 48, and of p1 p2.
expect_screen "four clicks: no uniform cubic segment with its shells" \
    'colour_near "$GREEN" 216 150' 'colour_near "$GREEN" 383 158' 'pixels_are "$BLUE" "300 113" "300 100"'
pass "four clicks give one uniform cubic segment with its shells"
# Above and below the "Draw Shells" label, where Windows drew the text's own white background.
expect_screen "the \"Draw Shells\" label does not stand on grey" \
    'pixels_are "$GREY" "40 524" "70 524" "100 524" "40 539" "70 539" "100 539"'

# Degree 2: from the middle of p0 p1 to that of p2 p3.
type_into 567 572 2
expect_screen "the typed degree did not change the curve" \
    'colour_near "$GREEN" 150 250' 'colour_near "$GREEN" 450 275' '! colour_near "$GREEN" 216 150'
type_into 567 572 0000000003  # ten digits; cut to two, they would keep degree 2
expect_screen "a degree of ten digits did not reach the curve" 'colour_near "$GREEN" 216 150'
type_into 567 572 2
pass "a typed degree, also of ten digits, changes the curve"

# Typed at full speed, the list's curve shows at once. Clamped at its start, it runs from p0 through
# (2 p0 + 5 p1 + p2) / 8 at the knot 1/2, no longer through the uniform curve's (212, 137).
type_into 300 572 "0, 0, 0, 1, 2, 4, 7, 7, 7"
sleep 0.6
settles_to 'colour_near "$GREEN" 200 175' '! colour_near "$GREEN" 212 137' ||
    fail "0.6 s after the last key the typed knot list's curve did not show"
pass "a knot list typed at full speed shows its curve at once"

# Clamped: the Bézier curve of p0, p1, p2, at a quarter (9 p0 + 6 p1 + p2) / 16. The list is
# 202 characters long, and cut anywhere it gives the uniform knots again.
type_into 300 572 "0.$(printf '0%.0s' {1..190}) 0 0 1 1 1"
expect_screen "the typed knot list did not change the curve" \
    'colour_near "$GREEN" 156 268' '! colour_near "$GREEN" 450 275'
pass "a typed knot list of 202 characters changes the curve"

# The knot box has the keys: Escape is the box's, not the program's, until a click into the
# drawing panel, or a tab switch that takes the box away, gives them back to the window.
xdotool key Escape
sleep 0.5
kill -0 "$PROGRAM" 2>/dev/null || fail "Escape in an edit box ended the program"
press_release 300 300
xdotool key Escape
expect_exit "Escape after a click into the drawing panel: no exit with 0"
pass "Escape does nothing in an edit box and ends the program after a click into the drawing panel"

# Typing at Home in the narrowed box, which held more text than fits when it could not scroll.
open_program
for width in 450 220 170; do
    xdotool windowsize "$WINDOW" $width 600
    for _ in 1 2 3 4 5; do xdotool sleep 0.2 mousemove --window "$WINDOW" 70 572 click 1 sleep 0.1 key Home type 7; done
done
xdotool windowsize "$WINDOW" 600 600 sleep 0.3 mousemove --window "$WINDOW" 490 17 click 1
expect_sound "typing at Home in the narrowed knot box: the program ended or reported errors"
xdotool key Escape
expect_exit "Escape after a tab switch away from the knot box: no exit with 0"
pass "typing at Home in a narrowed box keeps the program; a tab switch gives the keys back"
