# Shared helpers of the end-to-end scripts: a private X server with a window manager, the
# program, screenshots with pixel reads, and cleanup of all that a script started.

set -u

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The sanitizers check our code; leaks inside system libraries are not ours to fix.
export LSAN_OPTIONS="suppressions=$E2E_DIR/../lsan.supp:print_suppressions=0"

PROGRAM_PATH=${1:-}
WORK=$(mktemp -d)
STARTED=()      # process ids to end at exit, last started first
SCREEN_WIDTH=1024

# The program's colours, as client_pixel reports them.
GREY="200 200 200" WHITE="255 255 255" RED="255 0 0" GREEN="0 255 0" BLACK="0 0 0" BLUE="0 0 255"

cleanup() {
    local i
    for ((i = ${#STARTED[@]} - 1; i >= 0; i--)); do kill "${STARTED[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/program.err" ] && { echo "--- program's standard error:" >&2; cat "$WORK/program.err" >&2; }
    exit 1
}

pass() { echo "PASS: $*"; }

# Runs the command until it succeeds (answering 0) or the seconds run out (answering 1).
poll() {
    local deadline=$((${EPOCHREALTIME//[!0-9]/} / 1000 + $1 * 1000))
    shift
    until "$@"; do
        [ $((${EPOCHREALTIME//[!0-9]/} / 1000)) -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# An X server on a display number it picks, and a window manager for title bars, focus and
# close requests as on a desktop. -noreset: the server resets whenever its last client leaves
# and drops a client that connects meanwhile, as openbox may while wmctrl polls for it.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x768x24" -nolisten tcp -noreset \
        3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    STARTED+=($!)
    poll 30 test -s "$WORK/display" || fail "the X server did not start: $(tail -n 3 "$WORK/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    HOME="$WORK" XDG_CONFIG_HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    STARTED+=($!)
    poll 30 wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start on $DISPLAY: $(tail -n 3 "$WORK/openbox.log")"
    # What the programs need beside the desktop (Wine's session for the Windows ones).
    [ -z "${E2E_DESKTOP_HOOK:-}" ] || (eval "$E2E_DESKTOP_HOOK") || fail "the desktop hook failed: $E2E_DESKTOP_HOOK"
}

# Starts the script's program (its first argument), output in $WORK/program.out and .err, and
# waits for its window: PROGRAM is its process, WINDOW its window, ORIGIN_X/Y its client area.
open_program() {
    "$PROGRAM_PATH" >"$WORK/program.out" 2>"$WORK/program.err" &
    PROGRAM=$!
    STARTED+=("$PROGRAM")
    # Searched afresh until found: a search fails as a whole when a window it reads goes away
    # meanwhile, as Chromium's do while it starts.
    poll 30 eval 'WINDOW=$(xdotool search --onlyvisible --name Tessary 2>/dev/null | head -n 1); [ -n "$WINDOW" ]' ||
        fail "no window named Tessary appeared"
    find_client_origin
}

# Sets ORIGIN_X and ORIGIN_Y to the client area's screen position, wherever the window is.
find_client_origin() {
    read -r ORIGIN_X ORIGIN_Y < <(xwininfo -id "$WINDOW" | awk '/upper-left X/ {x = $NF} /upper-left Y/ {print x, $NF}')
}

client_size() { xwininfo -id "$WINDOW" | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {print w "x" h}'; }

# Fails unless the program runs without having reported an X error, a Wine page fault or a
# sanitizer finding.
expect_sound() { kill -0 "$PROGRAM" 2>/dev/null && ! grep -aE 'page fault|Bad[A-Z][a-z]|runtime error|Sanitizer' "$WORK/program.err" || fail "$1"; }

# Fails with the message unless the program ends with status 0 within 10 seconds.
expect_exit() { poll 10 eval '! kill -0 "$PROGRAM" 2>/dev/null' && wait "$PROGRAM" || fail "$1"; }

# The pixel at client coordinates (x, y) of the last screenshot, as "red green blue".
client_pixel() {
    od -An -tu1 -j $((((ORIGIN_Y + $2) * SCREEN_WIDTH + ORIGIN_X + $1) * 3)) -N 3 "$WORK/screen.rgb" | xargs
}

# Whether each "x y" point of the last screenshot shows the colour "red green blue".
pixels_are() {
    local point
    for point in "${@:2}"; do [ "$(client_pixel $point)" = "$1" ] || return 1; done
}

# The white drawing panel at the points of PANEL_INSIDE and the grey frame at FRAME's, or fails with $1.
expect_layout() { expect_screen "$1" 'pixels_are "$WHITE" "${PANEL_INSIDE[@]}"' 'pixels_are "$GREY" "${FRAME[@]}"'; }

# A click as a user makes it: the pointer rests before the button goes down (the program
# samples the cursor once a frame), and the button stays down for a few frames.
press_release() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" sleep 0.05 mousedown 1 sleep 0.06 mouseup 1 sleep 0.1
}

# Whether any pixel within r (default 1) of (x, y), a square, shows the colour.
colour_near() {
    local colour=$1 x=$2 y=$3 r=${4:-1} dx dy
    for ((dx = -r; dx <= r; dx++)); do
        for ((dy = -r; dy <= r; dy++)); do [ "$(client_pixel $((x + dx)) $((y + dy)))" = "$colour" ] && return 0; done
    done
    return 1
}

# Waits until a fresh screenshot satisfies every check given as separate quoted commands.
settles_to() {
    local check
    import -window root -depth 8 "rgb:$WORK/screen.rgb" || fail "cannot take a screenshot"
    for check in "$@"; do eval "$check" || return 1; done
}
expect_screen() { poll 10 settles_to "${@:2}" || fail "$1"; }
