#!/usr/bin/env bash
# Sets up and runs every test: installs what the build needs, builds with warnings as errors and
# runs the tests, then builds and runs them once more with AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
require_packages "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DTARNWICK_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j2
    (cd "$dir" && ctest -j2 --output-on-failure)
}

echo "== tests"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON
