# Installs the Debian packages a script needs, when they are missing. Sourced by the project's
# scripts: `require_packages pkg...`. As root it installs them with apt-get; otherwise it prints
# the exact command to run and stops.

require_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program and its tests needs.
BUILD_PACKAGES=(g++ cmake make pkg-config libcurl4-openssl-dev libjsoncpp-dev libcpp-httplib-dev
    libssl-dev zlib1g-dev libbrotli-dev libgtest-dev libgmock-dev util-linux libgtk-3-dev libpng-dev
    libcairo2-dev libpango1.0-dev)

# What running the program on a virtual screen, and its tests that drive real windows, need.
DISPLAY_PACKAGES=(xvfb xauth xcompmgr xdotool x11-utils imagemagick fonts-wqy-microhei fonts-dejavu-core)

# What only the tests need besides: a window manager for the test of the program under one.
TEST_PACKAGES=(openbox)
