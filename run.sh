#!/usr/bin/env bash
# Sets up, builds and runs the login launcher on the demo login site. The demo site runs on
# 127.0.0.1:8047 while the program runs. Without a display the whole thing runs on a virtual
# screen (Xvfb with xcompmgr): once the login window is drawn its screenshot is saved to
# build/screenshot.png and everything is stopped again.
set -euo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
. tools/virtual-screen.sh
require_packages "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tarnwick-login tarnwick-demo-site tarnwick-demo-game

pids=()
cleanup() {
    stop_started
}
trap cleanup EXIT

site_dir=$(dirname "$(find build/tools/demo-site -name tarnwick-demo-site -type f | head -n 1)")
"$site_dir/tarnwick-demo-site" --port 8047 &
pids+=($!)

if [ -n "${DISPLAY:-}" ]; then
    # A display is there: run the program on it until it ends.
    ./build/tarnwick-login
    exit $?
fi

echo "No display: running on a virtual screen and saving a screenshot."
start_virtual_screen

./build/tarnwick-login &
login=$!
pids+=("$login")
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "Tarnwick0.1" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "${window:-}" ]; then
    echo "The login window did not appear." >&2
    exit 1
fi
sleep 1 # let the first frame reach the screen
import -window root build/screenshot.png
echo "The login window is drawn; its screenshot is build/screenshot.png."
