# Helpers for the project's scripts that start programs beside them. Sourced. The caller keeps
# the ids of what it started in a `pids` array:
#   start_virtual_screen [--no-compositor]: Xvfb on a free display number with xcompmgr
#     compositing it (unless --no-compositor); exports DISPLAY, appends the processes to `pids`
#     and returns once the compositor has taken the screen.
#   stop_started: ends every process in `pids` (only those) and waits for them.

start_virtual_screen() {
    local displayfd number background=()
    # Without a compositor the root window shows: white, so that black pixels stand out on it.
    [ "${1:-}" = "--no-compositor" ] && background=(-wr)
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1920x1080x24 -nolisten tcp "${background[@]}" >/dev/null 2>&1 &
    pids+=($!)
    if ! read -r -t 10 number <&"$displayfd"; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
    [ "${1:-}" = "--no-compositor" ] && return 0
    xcompmgr >/dev/null 2>&1 &
    pids+=($!)
    # xcompmgr names its window just before it claims the screen's compositing selection.
    local _
    for _ in $(seq 1 100); do
        xdotool search --name '^xcompmgr$' >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "xcompmgr did not start" >&2
    return 1
}

stop_started() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
