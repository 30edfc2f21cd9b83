#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
set -euo pipefail

packages=(
    cmake g++ make python3 pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei fonts-liberation
    locales unicode-data opencc libopencc-data
    xvfb xauth xdotool imagemagick
    desktop-file-utils dpkg-dev file time
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
