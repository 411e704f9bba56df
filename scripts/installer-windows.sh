#!/usr/bin/env bash
# Makes the Windows installer (NSIS, Debian package nsis) from the MinGW
# build: cross-compiles the game in BUILD_DIR (default build/windows) when
# needed, then runs makensis on resources/paquet/vora.nsi. Prints the
# installer's path, BUILD_DIR/vora-setup.exe.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath -m "${1:-$ROOT/build/windows}")
[[ -f $BUILD/build.ninja ]] ||
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVORA_WERROR=ON >/dev/null
cmake --build "$BUILD" --target vora >/dev/null
# The version of project() in CMakeLists.txt, as the build has it.
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
[[ -n $VERSION ]] || {
    echo "no project version in $BUILD/CMakeCache.txt" >&2
    exit 1
}
makensis -V2 -DEXE="$BUILD/shell/vora.exe" -DICONE="$BUILD/resources/images/vora.ico" \
    -DSORTIE="$BUILD/vora-setup.exe" -DVERSION="$VERSION" "$ROOT/resources/paquet/vora.nsi" >&2
echo "$BUILD/vora-setup.exe"
