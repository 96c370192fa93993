# Starts a virtual screen for the project's scripts: Xvfb on a free display number with
# xcompmgr compositing it. Sourced; `start_virtual_screen` exports DISPLAY and appends the two
# processes to the caller's `pids` array, which the caller ends when it is done.

start_virtual_screen() {
    local displayfd number
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    if ! read -r -t 10 number <&"$displayfd"; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    xcompmgr >/dev/null 2>&1 &
    pids+=($!)
}
