#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game
# need, skipping those already present. Source it or run it.
set -euo pipefail

VORA_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev googletest libbenchmark-dev
    libsdl2-dev libcairo2-dev libx11-dev libxext-dev fonts-liberation
    xvfb xauth xdotool imagemagick openbox x11-utils x11-xserver-utils desktop-file-utils
    g++-mingw-w64-x86-64-posix wine64
    clang libclang-rt-14-dev
    dpkg-dev lintian appstream man-db nsis
    cadical libcadical-dev
)

missing=()
for pkg in "${VORA_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    SUDO=""
    if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
    # The downloaded archives are not needed once installed (about a gigabyte).
    $SUDO apt-get clean
fi
