# Helpers for the end-to-end tests of the real program. Sourced after tools/virtual-screen.sh,
# with `login` naming the program, `work` its working folder and `pids` the started processes.
#   fail MESSAGE: ends the test as failed.
#   start_program: starts the program and waits until its login window is visible; sets
#     `program` (its process id) and `window` (the login window's X id).
#   geometry: "left top WIDTHxHEIGHT" of the login window.
#   screen_pixel X Y: the colour of a pixel of the last screenshot (take_screenshot).
#   expect_clean_end WHAT: waits for the program to end and fails unless its exit code is 0.

fail() {
    echo "FAILED: $*" >&2
    exit 1
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
