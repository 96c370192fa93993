#!/usr/bin/env bash
# Builds what the benchmarks need and runs one: ./bench.sh NAME runs bench/NAME/run.sh, whose
# last line is "bench NAME: key=value ...".
set -euo pipefail
cd "$(dirname "$0")"
name=${1:-}
if [ -z "$name" ] || [ ! -x "bench/$name/run.sh" ]; then
    echo "usage: ./bench.sh NAME, with NAME one of: $(cd bench && ls -d */ | tr -d / | tr '\n' ' ')" >&2
    exit 2
fi
. tools/packages.sh
require_packages "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}" curl bc
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BENCH=ON -DTARNWICK_TESTS=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
exec "bench/$name/run.sh" "$PWD/build-bench"
