#!/bin/bash
# Random use of the real program, seeded: clicks and drags anywhere, tabs, controls, hostile
# texts in both edit boxes, keys, wheel, resizes and minimising. Afterwards it must be alive,
# answer a tab click, report no X, Wine or sanitizer error, and end on Escape with status 0.
# TESSARY_RANDOM_SECONDS sets the length (60), TESSARY_RANDOM_SEED replays a run's events.
source "$(dirname "$0")/lib.sh"
SEED=${TESSARY_RANDOM_SEED:-$((EPOCHSECONDS % 1000000))}
RANDOM=$SEED  # drawn in this shell only: a subshell would draw from a fresh seed
trap 'status=$?; [ $status = 0 ] || echo "replay with TESSARY_RANDOM_SEED=$SEED" >&2; cleanup' EXIT

TEXTS=("7" "2" "1000000000" "99999999999999999999999999999999999999999999" "nan inf -inf 1e39 -0" "3, 2, 1, 0, -1"
    "0x1p10 0x10 12x" ",,, ,	," "-2147483649" "äöü€ß" "0.$(printf '0%.0s' {1..190}) 0 0 1 1 1" $'1\n2\n3')
CHARS=(0 1 5 9 . , - + e " " x "'" '"' '\' ';' '$' A z)
KEYS=(a Z 5 space BackSpace Delete Tab Return Left Right Up Down Home End Prior Next Insert F1 F2 F5 F12 ctrl+a
    ctrl+z ctrl+v ctrl+x shift+Home shift+End Menu Caps_Lock Shift_L Control_R)

at() { xdotool mousemove --window "$WINDOW" -- "$@"; }
resize() {
    xdotool windowsize "$WINDOW" "$1" "$2" windowmove "$WINDOW" 0 0 sleep 0.1
    read -r W H < <(client_size | tr x ' ')
}

# Beside and below the client area too, not above: there lie the window manager's buttons.
event() {
    case $((RANDOM % 12)) in
    0 | 1) at $((RANDOM % (W + 120) - 60)) $((RANDOM % (H + 60))) click 1 ;;
    2) at $((RANDOM % W)) $((RANDOM % H)) click $((RANDOM % 5 + 1)) ;;
    3) at $((RANDOM % W)) $((RANDOM % H)) mousedown 1
       for _ in 1 2 3; do sleep 0.02; at $((RANDOM % (W + 400) - 200)) $((RANDOM % (H + 400) - 200)); done
       at $((RANDOM % W)) $((RANDOM % H)) mouseup 1 ;;
    4) at $((15 + RANDOM % 520)) 17 click 1 ;;
    5) at $((RANDOM % W)) $((H - RANDOM % 120)) click 1 ;;  # the rows of controls
    6 | 7) # "Knots: " or "Degree:" of the B-spline, sometimes narrowed, often at Home
       ((RANDOM % 4)) || resize $((RANDOM % 2 ? 450 : 170 + RANDOM % 60)) 600
       at 40 17 click 1 sleep 0.1 mousemove --window "$WINDOW" -- \
           $((RANDOM % 2 ? W - 32 : 67 + RANDOM % (W > 180 ? W - 180 : 1))) $((H - 18)) click 1
       ((RANDOM % 2)) && xdotool key Home
       TEXT=${TEXTS[RANDOM % ${#TEXTS[@]}]}
       for ((i = RANDOM % 3 ? RANDOM % 40 : 0; i > 0; i--)); do TEXT+=${CHARS[RANDOM % ${#CHARS[@]}]}; done
       xdotool type --delay 3 -- "$TEXT" ;;
    8) xdotool key "${KEYS[RANDOM % ${#KEYS[@]}]}" ;;
    9) ((RANDOM % 3)) || resize $((1 + RANDOM % (RANDOM % 2 ? 1250 : 200))) $((1 + RANDOM % (RANDOM % 2 ? 980 : 100))) ;;
    10) ((RANDOM % 4)) || { xdotool windowminimize "$WINDOW" sleep 0.$((RANDOM % 3))
        timeout 5 xdotool windowactivate "$WINDOW"; } ;;
    *) resize 600 600 ;;
    esac
    sleep 0.0$((RANDOM % 5))
}

start_desktop
open_program
W=600 H=600
end=$((EPOCHSECONDS + ${TESSARY_RANDOM_SECONDS:-60}))
for ((events = 0; EPOCHSECONDS < end; events++)); do
    event
    ((W > 0 && H > 0)) || W=1 H=1
    expect_sound "event $events: the program ended or reported errors"
done
echo "random: $events events, seed $SEED"

resize 600 600
timeout 5 xdotool windowactivate --sync "$WINDOW" 2>/dev/null
find_client_origin
at 40 17 click 1
expect_screen "the B-spline's rows do not show" 'pixels_are "$GREY" "300 515" "5 300"'
at 490 17 click 1
expect_screen "a tab click after $events events changed nothing" '! pixels_are "$GREY" "300 515"'
pass "after $events random events the program answers"
press_release 300 300
xdotool key Escape
expect_exit "Escape did not end the program with status 0"
pass "Escape ends it with status 0"
