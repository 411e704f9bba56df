#!/usr/bin/env bash
# Installs the Debian packages that the project needs, skipping those already
# present:
#   scripts/deps.sh game   what building and starting the game needs (and
#                          showing it on a private Xvfb when there is no
#                          display);
#   scripts/deps.sh [all]  that and what every test needs: GoogleTest and
#                          Google Benchmark, the end-to-end tools, the window
#                          manager, clang for fuzzing, the Windows cross
#                          compiler and Wine, the packaging tools, ccache and
#                          the mold linker that make the builds faster.
set -euo pipefail

VORA_GAME_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libsdl2-dev libcairo2-dev libx11-dev libxext-dev fonts-liberation
    xvfb xauth imagemagick x11-utils
)
VORA_TEST_PACKAGES=(
    libgtest-dev googletest libbenchmark-dev ccache mold
    xdotool openbox x11-xserver-utils desktop-file-utils
    g++-mingw-w64-x86-64-posix wine64
    clang libclang-rt-14-dev
    dpkg-dev lintian appstream man-db nsis
    cadical libcadical-dev
)

case ${1:-all} in
game) wanted=("${VORA_GAME_PACKAGES[@]}") ;;
all) wanted=("${VORA_GAME_PACKAGES[@]}" "${VORA_TEST_PACKAGES[@]}") ;;
*)
    echo "usage: $0 [game|all]" >&2
    exit 2
    ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
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
