#!/usr/bin/env bash
# From process start to the login window mapped and its first frame drawn, watched from outside
# on a virtual screen, ten runs each of the program and of a bare GTK window showing the same
# artwork. Target: the program's median within 1.3 x the bare window's.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$build/bench/startup
work=$(mktemp -d)
pids=()
cleanup() {
    stop_started
    rm -rf "$work"
}
. "$root/tools/virtual-screen.sh"
trap cleanup EXIT

start_virtual_screen
sleep 0.5

median() { sort -g | sed -n 5,6p | awk '{ s += $1 } END { printf "%.1f", s / NR }'; }
ours=()
floor=()
# One run of each first, not counted: it brings the files both read into the page cache.
(cd "$work" && "$bin/tarnwick-bench-first-frame" "$build/tarnwick-login" >/dev/null)
"$bin/tarnwick-bench-first-frame" "$bin/tarnwick-bench-bare-window" "$root/res/artwork/login_155.png" >/dev/null
for run in $(seq 1 10); do
    ours+=("$(cd "$work" && "$bin/tarnwick-bench-first-frame" "$build/tarnwick-login" | sed 's/ms=//')")
    floor+=("$("$bin/tarnwick-bench-first-frame" "$bin/tarnwick-bench-bare-window" "$root/res/artwork/login_155.png" | sed 's/ms=//')")
    echo "run $run: program ${ours[-1]} ms, bare window ${floor[-1]} ms"
done
ours_median=$(printf '%s\n' "${ours[@]}" | median)
floor_median=$(printf '%s\n' "${floor[@]}" | median)
ratio=$(echo "$ours_median / $floor_median" | bc -l)
echo "target: ratio <= 1.3"
printf 'bench startup: ms=%s ratio=%.3f\n' "$ours_median" "$ratio"
