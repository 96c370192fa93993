#!/usr/bin/env bash
# The real program under a window manager (openbox on Xvfb with xcompmgr): the login window keeps
# its centred place and size; minimising it through the window manager hides it;
# restoring it shows it again, drawn, where it was; it can still be dragged; and the window
# manager's close request ends the program with exit code 0.
set -euo pipefail
login=$1
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
# A private configuration folder, so that no user setting of the window manager counts.
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

start_program
[ "$(geometry)" = "293 177 1334x725" ] || fail "window at '$(geometry)', expected centred 1334x725"

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
[ "$(geometry)" = "293 177 1334x725" ] || fail "restored at '$(geometry)', expected 293 177"
take_screenshot
[ "$(screen_pixel 960 540)" != "$behind" ] || fail "the restored window is not drawn"
sleep 1
[ "$(state)" = "Normal" ] || fail "the restored window went back to '$(state)'"

xdotool mousemove 900 500 mousedown 1 mousemove 950 520 mousemove 1000 540 mouseup 1
sleep 0.5
[ "$(geometry)" = "393 217 1334x725" ] || fail "after the drag the window is at '$(geometry)', expected 393 217"

# A move made by the window manager is the window's new place: a drag afterwards starts from there.
xdotool windowmove "$window" 200 100
sleep 0.5
[ "$(geometry)" = "200 100 1334x725" ] || fail "after windowmove the window is at '$(geometry)'"
xdotool mousemove 700 400 mousedown 1 mousemove 720 410 mousemove 750 420 mouseup 1
sleep 0.5
[ "$(geometry)" = "250 120 1334x725" ] || fail "a drag after windowmove left the window at '$(geometry)', expected 250 120"

xdotool windowclose "$window"
expect_clean_end "xdotool windowclose under a window manager"
echo "1 passed, 0 failed"
