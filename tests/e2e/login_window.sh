#!/usr/bin/env bash
# The real program on a virtual screen (Xvfb with xcompmgr): the login window appears centred at
# its artwork's size with its title, its transparent corners show the screen behind it and let
# the pointer through, a drag on the artwork (its faint glow included) moves it by the drag, a move
# by another program is its new place, and a close request ends the program with exit code 0.
set -euo pipefail
login=$1
send_delete=$2
. "$(dirname "$0")/../../tools/virtual-screen.sh"
. "$(dirname "$0")/program.sh"
begin_test

start_program
expect_place "293 177" "at start (centred)"
[ "$(depth)" = 32 ] || fail "the window is $(depth) bits deep on a composited screen, expected 32 (RGBA)"
[ "$(xdotool getwindowname "$window")" = "Tarnwick0.1折" ] || fail "title '$(xdotool getwindowname "$window")'"

take_screenshot
behind=$(screen_pixel 5 5)
[ "$(screen_pixel 294 178)" = "$behind" ] || fail "the artwork's corner is not transparent: $(screen_pixel 294 178) vs $behind"
[ "$(screen_pixel 960 540)" != "$behind" ] || fail "the artwork is not drawn"

drag 900 500 100 40
expect_place "393 217" "after a drag on the artwork"

# The pointer belongs to the window wherever its artwork is not fully transparent: a drag from a
# transparent corner pixel reaches the screen behind and moves nothing, while one from the faint
# glow along the artwork's edge (alpha 8 of 255, 10 pixels in from its left) moves the window.
drag 395 219 40 30
expect_place "393 217" "after a drag from a transparent pixel"
drag 403 579 -50 -20
expect_place "343 197" "after a drag from the glow"

# A move made by another program is the window's new place: a drag afterwards starts from there.
xdotool windowmove "$window" 200 100
sleep 0.5
expect_place "200 100" "after windowmove"
drag 700 400 50 20
expect_place "250 120" "after a drag that follows windowmove"

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose"

start_program
"$send_delete" "$window" || fail "cannot send WM_DELETE_WINDOW"
expect_clean_end "WM_DELETE_WINDOW"
echo "1 passed, 0 failed"
