# Helpers for the project's scripts that start programs beside them. Sourced. The caller keeps
# the ids of what it started in a `pids` array:
#   start_virtual_screen: Xvfb on a free display number with xcompmgr compositing it; exports
#     DISPLAY and appends both processes to `pids`.
#   stop_started: ends every process in `pids` (only those) and waits for them.

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

stop_started() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
