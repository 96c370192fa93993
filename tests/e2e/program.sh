# Helpers for the end-to-end tests of the real program. Sourced after tools/virtual-screen.sh,
# with `login` naming the program.
#   fail MESSAGE: ends the test as failed.
#   begin_test [--no-compositor]: makes the working folder `work`, starts the virtual screen
#     (composited unless told otherwise), and ends what was started (the ids in `pids`) and
#     removes the folder when the test ends.
#   start_program: starts the program and waits until its login window is visible; sets
#     `program` (its process id) and `window` (the login window's X id).
#   geometry: "left top WIDTHxHEIGHT" of the login window.
#   depth: the login window's colour depth (32 on the RGBA visual).
#   expect_place "LEFT TOP" WHAT: fails unless the login window is there at 1334 x 725.
#   drag X Y DX DY: presses the left button at (X, Y), moves by (DX, DY) in two steps, releases.
#   screen_pixel X Y: the colour of a pixel of the last screenshot (take_screenshot).
#   expect_clean_end WHAT: waits for the program to end and fails unless its exit code is 0.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

begin_test() {
    work=$(mktemp -d)
    pids=()
    trap 'stop_started; rm -rf "$work"' EXIT
    start_virtual_screen "$@" || fail "the virtual screen did not start"
}

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

geometry() {
    # xwininfo gives the place on the screen even when a window manager put the window in a frame.
    xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w "x" h }'
}

depth() { xwininfo -id "$window" | awk '/Depth:/ { print $NF }'; }

expect_place() {
    [ "$(geometry)" = "$1 1334x725" ] || fail "$2: the window is at '$(geometry)', expected $1"
}

drag() {
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) \
        mousemove $(($1 + $3)) $(($2 + $4)) mouseup 1
    sleep 0.5
}

take_screenshot() { import -window root "$work/screen.png"; }
screen_pixel() { convert "$work/screen.png" -format "%[pixel:p{$1,$2}]" info:; }

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
