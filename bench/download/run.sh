#!/usr/bin/env bash
# A 256 MiB launcher served from 127.0.0.1, fetched three times by the hand-off's download and
# three times by curl -o. Compares the median throughputs and reports the download's peak memory
# growth. Targets: ratio >= 0.9, growth < 8 MiB.
set -euo pipefail
build=$1
bin=$build/bench/download
work=$(mktemp -d)
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

size_mib=256
head -c $((size_mib * 1024 * 1024)) /dev/urandom > "$work/launcher.bin"
"$bin/tarnwick-bench-file-server" "$work/launcher.bin" "$work/port" &
server_pid=$!
for _ in $(seq 1 100); do [ -s "$work/port" ] && break; sleep 0.05; done
port=$(cat "$work/port")
url="http://127.0.0.1:$port/vondoqiv/qiv_web/orvane_quorn_launch_1.exe"

median() { sort -g | sed -n 2p; }

# One transfer first to bring the served file into the page cache; then the two clients take
# turns, so that neither profits from the other's leftovers.
curl -s -o /dev/null "$url"
ours=()
growth=()
theirs=()
for run in 1 2 3; do
    dir="$work/ours$run"
    mkdir "$dir"
    cp "$bin/tarnwick-bench-download" "$dir/login"
    out=$(cd "$dir" && ./login "$url")
    cmp -s "$work/launcher.bin" "$dir/orvane_quorn_launch.exe" || { echo "download $run differs from the served file" >&2; exit 1; }
    ours+=("$(sed -E 's/.*seconds=([0-9.]+).*/\1/' <<<"$out")")
    growth+=("$(sed -E 's/.*rss_growth_kib=(-?[0-9]+).*/\1/' <<<"$out")")
    echo "this code, run $run: $out"
    rm -rf "$dir"

    start=$(date +%s.%N)
    curl -s -o "$work/curl.bin" "$url"
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    theirs+=("$t")
    echo "curl -o, run $run: seconds=$t"
    rm -f "$work/curl.bin"
done

ours_median=$(printf '%s\n' "${ours[@]}" | median)
theirs_median=$(printf '%s\n' "${theirs[@]}" | median)
peak_kib=$(printf '%s\n' "${growth[@]}" | sort -g | tail -n 1)
ratio=$(echo "$theirs_median / $ours_median" | bc -l)
growth_mib=$(echo "$peak_kib / 1024" | bc -l)
printf 'throughput: this code %.0f MiB/s, curl %.0f MiB/s (targets: ratio >= 0.9, growth < 8 MiB)\n' \
    "$(echo "$size_mib / $ours_median" | bc -l)" "$(echo "$size_mib / $theirs_median" | bc -l)"
printf 'bench download: ratio=%.3f rss_growth_mib=%.2f\n' "$ratio" "$growth_mib"
