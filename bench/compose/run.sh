#!/usr/bin/env bash
# The login window's layers moved together 1,000 times, and the artwork decoded 100 times next to
# libpng's own decode. Targets: a move repaints nothing and costs under 0.5 ms; the decode takes
# at most 1.2 times libpng's.
set -euo pipefail
build=$1
out=$("$build/bench/compose/tarnwick-bench-compose")
echo "$out"
get() { sed -E "s/.*$1=([0-9.]+).*/\1/" <<<"$out"; }
echo "targets: move_ms < 0.5 with repaints=0, decode_ratio <= 1.2"
echo "bench compose: move_ms=$(get move_ms) decode_ratio=$(get decode_ratio)"
