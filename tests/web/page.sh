#!/bin/bash
# The page as a program for the end-to-end scripts: serves the folder on 127.0.0.1, opens it in
# Chromium's app window (a window of the viewport's size, named by the page's title) and ends
# when that window closes, with status 0 unless Chromium failed or the page's log holds a
# console message (the page writes none of its own, so this catches every console error,
# uncaught exception and abort). The log goes to standard error.
# Usage: page.sh PAGE_DIR, or page.sh alone with the folder in WEB_PAGE_DIR.
# WEB_PROFILE names Chromium's profile folder (fresh; by default a temporary one), and
# WEB_CHROMIUM_FLAGS adds flags (the remote debugging port for touch).
PAGE_DIR=${1:-$WEB_PAGE_DIR}
WORK=$(mktemp -d)
server=0 browser=0
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null
}
finish() {
    [ "$browser" = 0 ] || stop "$browser"
    [ "$server" = 0 ] || stop "$server"
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap finish EXIT
trap 'exit 143' TERM INT

# The server picks a free port and names it on its first line.
python3 -u -m http.server --bind 127.0.0.1 --directory "$PAGE_DIR" 0 >"$WORK/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q ' port ' "$WORK/server.log" && break; sleep 0.05; done
port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$WORK/server.log" | head -n 1)
[ -n "$port" ] || { echo "page.sh: the web server did not start: $(cat "$WORK/server.log")" >&2; exit 1; }

# Root needs --no-sandbox, and --test-type hides the bar that warns of it. The machine has no
# network: nothing of Chromium's own may try to reach it.
chromium --app="http://127.0.0.1:$port/" --window-size=600,600 --user-data-dir="${WEB_PROFILE:-$WORK/profile}" \
    --no-sandbox --test-type --no-first-run --disable-background-networking --disable-component-update \
    --disable-sync --disable-quic --disable-gpu --disable-extensions --enable-logging=stderr --v=0 ${WEB_CHROMIUM_FLAGS:-} 2>"$WORK/chromium.log" &
browser=$!
# The app window is the browser's first. Keys the page cannot keep from the browser (F1, F12)
# open windows of its own, which outlive the page's: the program has ended when its window has.
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "$browser" 2>/dev/null | head -n 1)
    [ -z "$window" ] && kill -0 "$browser" 2>/dev/null || break
    sleep 0.1
done
while [ -n "$window" ] && xwininfo -id "$window" >/dev/null 2>&1 && kill -0 "$browser" 2>/dev/null; do sleep 0.1; done
status=0
for _ in $(seq 50); do kill -0 "$browser" 2>/dev/null || break; sleep 0.1; done
if ! kill -0 "$browser" 2>/dev/null; then
    wait "$browser"
    status=$?
    browser=0
fi
cat "$WORK/chromium.log" >&2
[ -n "$window" ] && [ "$status" = 0 ] && ! grep -q ":CONSOLE.*source: http://127.0.0.1:$port/" "$WORK/chromium.log"
