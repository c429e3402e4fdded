#!/bin/bash
# Makes the README's pictures in docs/: the program on its own X server, one fixed set of points,
# a PNG of the client area per construction and a GIF of a drag. Usage: pictures.sh PROGRAM
# With ONE_PICTURE set (windows: PROGRAM runs tessary.exe under Wine; web: it opens the page in
# Chromium), only that picture is made, of the program on "DeBoor Splines".
# Every step waits until the window has changed and holds still, so the same program on the same
# machine gives the same bytes; PNGs carry no dates.
source "$(dirname "$0")/../tests/e2e/lib.sh"
DOCS=$(cd "$(dirname "$0")" && pwd)

# Client coordinates: the tabs, and points that stay inside every construction's panel.
declare -A TABS=([cubic-splines]="170 17" [polynomial]="262 17" [nli]="342 17" [bb-form]="417 17"
    [midpoint]="492 17" [deboor-splines]="70 17")
POINTS=("60 400" "150 130" "250 110" "340 390" "440 410" "540 130")

grab() { import -window root -crop "600x600+$ORIGIN_X+$ORIGIN_Y" -depth 8 "rgb:$1"; }

# Whether the client area differs from before.rgb and then stays the same for a few frames.
settled() {
    grab "$WORK/now.rgb" && ! cmp -s "$WORK/now.rgb" "$WORK/before.rgb" || return 1
    sleep 0.15
    grab "$WORK/again.rgb" && cmp -s "$WORK/now.rgb" "$WORK/again.rgb"
}

# Runs the command (a click, a move) and waits for the picture it makes, with the pointer
# moved off the window so that nothing under it shows a hover.
act() {
    grab "$WORK/before.rgb"
    "$@"
    [ "$1" = press_release ] && xdotool mousemove 1020 760
    poll 10 settled || fail "nothing changed after: $*"
}

save() { convert -size 600x600 -depth 8 "rgb:$WORK/now.rgb" -strip -define png:exclude-chunks=date,time "$DOCS/$1.png"; }

start_desktop
open_program
[ "$(client_size)" = 600x600 ] || fail "client area is $(client_size)"
for point in "${POINTS[@]}"; do act press_release $point; done
if [ -n "${ONE_PICTURE:-}" ]; then
    save "$ONE_PICTURE"
    exit 0
fi
save deboor-splines
for name in cubic-splines polynomial nli bb-form midpoint; do
    act press_release ${TABS[$name]}
    save "$name"
done

# The third point dragged left, across the panel and back, one frame of the GIF per step.
frames=()
keep() { frames+=("$WORK/frame${#frames[@]}.rgb") && cp "$WORK/now.rgb" "${frames[-1]}"; }
act press_release ${TABS[deboor-splines]}
read -r x y <<<"${POINTS[2]}"
xdotool mousemove --window "$WINDOW" "$x" "$y"
sleep 0.05
xdotool mousedown 1
for target in "75 250" "535 250" "250 110"; do
    read -r tx ty <<<"$target"
    for i in 1 2 3 4 5 6 7 8 9 10; do
        act xdotool mousemove --window "$WINDOW" $((x + (tx - x) * i / 10)) $((y + (ty - y) * i / 10))
        keep
    done
    x=$tx y=$ty
done
act xdotool mouseup 1
keep
convert -size 600x600 -depth 8 -delay 8 -loop 0 "${frames[@]/#/rgb:}" -layers Optimize "$DOCS/drag.gif"
