#!/usr/bin/env bash
# The real program on a virtual screen (Xvfb with xcompmgr): the login window appears centred at
# its artwork's size with its title, its transparent corners show the screen behind it and let
# the pointer through, a drag on the artwork (its faint glow included) moves it by the drag, and a
# close request ends the program with exit code 0.
set -euo pipefail
login=$1
send_delete=$2
. "$(dirname "$0")/../../tools/virtual-screen.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    stop_started
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

start_virtual_screen || fail "the virtual screen did not start"

start_program() {
    (cd "$work" && exec "$login") &
    program=$!
    pids+=("$program")
    window=
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name "Tarnwick0.1" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the login window did not appear"
    sleep 1
}

# Waits for the program to end; fails unless it ends with exit code 0.
expect_clean_end() {
    for _ in $(seq 1 100); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$program" 2>/dev/null && fail "the program did not end on the close request ($1)"
    set +e
    wait "$program"
    local code=$?
    set -e
    [ "$code" -eq 0 ] || fail "exit code $code after $1, expected 0"
}

start_program

geometry() { xdotool getwindowgeometry "$window" | tr -d '\n' | sed -E 's/.*Position: ([0-9]+),([0-9]+).*Geometry: ([0-9]+x[0-9]+).*/\1 \2 \3/'; }
[ "$(geometry)" = "293 177 1334x725" ] || fail "window at '$(geometry)', expected centred 1334x725"
[ "$(xdotool getwindowname "$window")" = "Tarnwick0.1折" ] || fail "title '$(xdotool getwindowname "$window")'"

pixel() { convert "$work/screen.png" -format "%[pixel:p{$1,$2}]" info:; }
import -window root "$work/screen.png"
behind=$(pixel 5 5)
[ "$(pixel 294 178)" = "$behind" ] || fail "the artwork's corner is not transparent: $(pixel 294 178) vs $behind"
[ "$(pixel 960 540)" != "$behind" ] || fail "the artwork is not drawn"

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

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose"

start_program
"$send_delete" "$window" || fail "cannot send WM_DELETE_WINDOW"
expect_clean_end "WM_DELETE_WINDOW"
echo "1 passed, 0 failed"
