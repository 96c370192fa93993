#!/usr/bin/env bash
# The real program on a virtual screen (Xvfb with xcompmgr): the login window appears centred at
# its artwork's size with its title, its transparent corners show the screen behind it and let
# the pointer through, a drag on the artwork (its faint glow included) moves it by the drag, and a
# close request ends the program with exit code 0.
set -euo pipefail
login=$1
send_delete=$2
. "$(dirname "$0")/../../tools/virtual-screen.sh"
. "$(dirname "$0")/program.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    stop_started
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_screen || fail "the virtual screen did not start"
start_program

[ "$(geometry)" = "293 177 1334x725" ] || fail "window at '$(geometry)', expected centred 1334x725"
[ "$(xdotool getwindowname "$window")" = "Tarnwick0.1折" ] || fail "title '$(xdotool getwindowname "$window")'"

take_screenshot
behind=$(screen_pixel 5 5)
[ "$(screen_pixel 294 178)" = "$behind" ] || fail "the artwork's corner is not transparent: $(screen_pixel 294 178) vs $behind"
[ "$(screen_pixel 960 540)" != "$behind" ] || fail "the artwork is not drawn"

xdotool mousemove 900 500 mousedown 1 mousemove 950 520 mousemove 1000 540 mouseup 1
sleep 0.5
[ "$(geometry)" = "393 217 1334x725" ] || fail "after the drag the window is at '$(geometry)', expected 393 217"

# The pointer belongs to the window wherever its artwork is not fully transparent: a drag from a
# transparent corner pixel reaches the screen behind and moves nothing, while one from the faint
# glow along the artwork's edge (alpha 8 of 255, 10 pixels in from its left) moves the window.
xdotool mousemove 395 219 mousedown 1 mousemove 420 240 mousemove 435 249 mouseup 1
sleep 0.5
[ "$(geometry)" = "393 217 1334x725" ] || fail "a drag from a transparent pixel moved the window to '$(geometry)'"
xdotool mousemove 403 579 mousedown 1 mousemove 380 570 mousemove 353 559 mouseup 1
sleep 0.5
[ "$(geometry)" = "343 197 1334x725" ] || fail "after a drag from the glow the window is at '$(geometry)', expected 343 197"

# A move made by another program is the window's new place: a drag afterwards starts from there.
xdotool windowmove "$window" 200 100
sleep 0.5
[ "$(geometry)" = "200 100 1334x725" ] || fail "after windowmove the window is at '$(geometry)'"
xdotool mousemove 700 400 mousedown 1 mousemove 720 410 mousemove 750 420 mouseup 1
sleep 0.5
[ "$(geometry)" = "250 120 1334x725" ] || fail "a drag after windowmove left the window at '$(geometry)', expected 250 120"

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose"

start_program
"$send_delete" "$window" || fail "cannot send WM_DELETE_WINDOW"
expect_clean_end "WM_DELETE_WINDOW"
echo "1 passed, 0 failed"
