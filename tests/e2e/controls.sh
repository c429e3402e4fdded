#!/bin/bash
# The real widgets of the controls demo report what the user does through the program's
# controls: scroll bar arrows, trough and thumb, the button, the check box and the edit box.
source "$(dirname "$0")/lib.sh"
DEMO=$2

# The demo's layout in client coordinates (see controls_demo.cpp).
BUTTON="50 22"
CHECK_BOX="17 54"
EDIT_BOX="80 121"
BAR_Y=88
BAR_RIGHT_ARROW_X=302
BAR_THUMB_X=166        # inside the thumb at position 525
BAR_TROUGH_X=260       # right of the thumb at position 505

output() { cat "$WORK/program.out"; }
line_count() { wc -l <"$WORK/program.out"; }
has_lines() { [ "$(line_count)" -ge "$1" ]; }

# Clicks at client coordinates and waits until the demo has printed the lines expected
# from it, then a little longer, so that extra calls would show.
click_expecting() {
    local x=$1 y=$2 lines=$3 before
    before=$(line_count)
    xdotool mousemove --window "$WINDOW" "$x" "$y" click 1
    poll 3 has_lines $((before + lines)) || fail "clicking ($x, $y) printed: $(output | tail -n +$((before + 1)))"
    sleep 0.3
    NEW_LINES=$(tail -n +$((before + 1)) "$WORK/program.out")
}

start_desktop
start_program "$DEMO"
wait_for_window "Controls demo"

click_expecting $BAR_RIGHT_ARROW_X $BAR_Y 1
[ "$NEW_LINES" = "scroll 505" ] || fail "arrow click: '$NEW_LINES', expected one 'scroll 505'"
pass "an arrow click moves the bar by its line step, once"

click_expecting $BAR_TROUGH_X $BAR_Y 1
[ "$NEW_LINES" = "scroll 525" ] || fail "trough click: '$NEW_LINES', expected one 'scroll 525'"
pass "a trough click moves the bar by its page step, once"

before=$(line_count)
xdotool mousemove --window "$WINDOW" $BAR_THUMB_X $BAR_Y mousedown 1
# Past the bar's right end, but not so far that a Windows scroll bar lets go of the thumb
# (two bar heights beyond an end).
for x in 190 220 260 300 330; do
    sleep 0.05
    xdotool mousemove --window "$WINDOW" $x $BAR_Y
done
sleep 0.1
xdotool mouseup 1
poll 3 eval 'output | tail -n 1 | grep -qx "scroll 1000"' || fail "thumb drag ended with: $(output | tail -n 1)"
dragged=$(tail -n +$((before + 1)) "$WORK/program.out" | awk '{print $2}')
[ "$(wc -l <<<"$dragged")" -ge 3 ] || fail "thumb drag reported only: $dragged"
sort -n -c <<<"$dragged" 2>/dev/null || fail "thumb drag positions not increasing: $dragged"
awk '$1 < 0 || $1 > 1000 {exit 1}' <<<"$dragged" || fail "thumb drag left the range: $dragged"
pass "a thumb drag reports increasing positions within the range"

click_expecting $CHECK_BOX 1
[ "$NEW_LINES" = "check 1" ] || fail "first check box click: '$NEW_LINES'"
click_expecting $CHECK_BOX 1
[ "$NEW_LINES" = "check 0" ] || fail "second check box click: '$NEW_LINES'"
pass "the check box calls back with 1, then 0"

before=$(line_count)
xdotool mousemove --window "$WINDOW" $EDIT_BOX click 1
sleep 0.2
xdotool type --delay 250 12
poll 3 has_lines $((before + 2)) || fail "typing printed: $(output | tail -n +$((before + 1)))"
sleep 0.3
typed=$(tail -n +$((before + 1)) "$WORK/program.out")
[ "$typed" = $'text 1\ntext 12' ] || fail "typing '12': '$typed'"
pass "typing reports the whole text in each frame it changed"

press_key Escape
sleep 1
kill -0 "$PROGRAM" 2>/dev/null || fail "Escape in the edit box ended the program"
pass "Escape in the edit box does not end the program"

click_expecting $BUTTON 1
[ "$NEW_LINES" = "button" ] || fail "button click: '$NEW_LINES', expected one 'button'"
press_key Escape
wait_for_exit 1 || fail "Escape after the button click did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
pass "a button click calls back once and hands the keys back to the window"
