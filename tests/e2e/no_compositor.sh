#!/usr/bin/env bash
# The real program on a virtual screen without a compositor: the login window cannot be
# translucent, so it is shaped to its at least half opaque pixels instead. Its transparent corners
# and faint glow show the screen behind (never black) and let the pointer through, the artwork is
# drawn and can be dragged, and a close request ends the program with exit code 0.
set -euo pipefail
login=$1
. "$(dirname "$0")/../../tools/virtual-screen.sh"
. "$(dirname "$0")/program.sh"
begin_test --no-compositor

start_program
expect_place "293 177" "at start (centred)"
[ "$(depth)" = 24 ] || fail "the window is $(depth) bits deep without a compositor, expected 24"

take_screenshot
behind=$(screen_pixel 5 5)
[ "$(screen_pixel 294 178)" = "$behind" ] || fail "the artwork's corner is not the screen behind: $(screen_pixel 294 178) vs $behind"
[ "$(screen_pixel 960 540)" != "$behind" ] || fail "the artwork is not drawn"
# The faint glow along the artwork's edge (alpha 8 of 255, 10 pixels in from its left) cannot be
# blended without a compositor: it is left out rather than drawn as a dark rim.
[ "$(screen_pixel 303 539)" = "$behind" ] || fail "the glow is drawn without a compositor: $(screen_pixel 303 539)"

drag 295 179 40 30
expect_place "293 177" "after a drag from a transparent pixel"
drag 900 500 100 40
expect_place "393 217" "after a drag on the artwork"

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose"
echo "1 passed, 0 failed"
