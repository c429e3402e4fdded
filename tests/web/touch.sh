#!/bin/bash
# A finger on the page: a tap places a point, a drag moves it (touch events through Chromium's
# remote debugging protocol). Usage: touch.sh PAGE_LAUNCHER
source "$(dirname "$0")/../e2e/lib.sh"

export WEB_PROFILE=$WORK/profile WEB_CHROMIUM_FLAGS=--remote-debugging-port=0
touch_page() { node "$(dirname "$0")/touch.js" "$(head -n 1 "$WEB_PROFILE/DevToolsActivePort")" "$@"; }

start_desktop
open_program
poll 10 test -s "$WEB_PROFILE/DevToolsActivePort" || fail "Chromium opened no remote debugging port"
touch_page 200 200 || fail "the tap could not be sent"
expect_screen "a tap placed no point" 'pixels_are "$RED" "200 200"'
touch_page 200 200 400 300 || fail "the drag could not be sent"
expect_screen "a drag did not move the point" 'pixels_are "$RED" "400 300"' 'pixels_are "$WHITE" "200 200"'
pass "a tap places a point and a finger drags it"
press_release 300 400
xdotool key Escape
expect_exit "Escape did not end the page with status 0"
