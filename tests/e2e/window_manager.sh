#!/usr/bin/env bash
# The real program under a window manager (openbox on Xvfb with xcompmgr): the login window keeps
# its centred place and size; minimising it through the window manager hides it; restoring it
# shows it again, drawn, where it was; it can still be dragged; a move by the window manager is its
# new place; and the window manager's close request ends the program with exit code 0.
set -euo pipefail
login=$1
. "$(dirname "$0")/../../tools/virtual-screen.sh"
. "$(dirname "$0")/program.sh"
begin_test

# A private configuration folder, so that no user setting of the window manager counts.
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 50); do
    wm_running && break
    sleep 0.1
done
wm_running || fail "openbox did not start"

start_program
expect_place "293 177" "at start (centred)"

state() { xprop -id "$window" WM_STATE | sed -n 's/.*window state: //p'; }

xdotool windowminimize "$window"
sleep 1
[ "$(state)" = "Iconic" ] || fail "after minimising the window is '$(state)', expected Iconic"
take_screenshot
behind=$(screen_pixel 5 5)
[ "$(screen_pixel 960 540)" = "$behind" ] || fail "the minimised window is still drawn"

xdotool windowactivate "$window"
sleep 1
[ "$(state)" = "Normal" ] || fail "after restoring the window is '$(state)', expected Normal"
expect_place "293 177" "after restoring"
take_screenshot
[ "$(screen_pixel 960 540)" != "$behind" ] || fail "the restored window is not drawn"
sleep 1
[ "$(state)" = "Normal" ] || fail "the restored window went back to '$(state)'"

drag 900 500 100 40
expect_place "393 217" "after a drag on the artwork"

# The window manager moves the window (its frame): that is the window's new place.
xdotool windowmove "$window" 200 100
sleep 0.5
expect_place "200 100" "after the window manager's move"
drag 700 400 50 20
expect_place "250 120" "after a drag that follows the window manager's move"

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose under a window manager"
echo "1 passed, 0 failed"
