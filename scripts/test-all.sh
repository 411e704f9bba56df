#!/usr/bin/env bash
# Runs every test of the project from a fresh checkout: installs what is
# missing, then builds and runs the unit tests (the fuzz targets' seeds
# replayed among them) in the normal build, the sanitizer build and the
# Windows build (under Wine), every fuzz target for a short time, a minute of
# the soak of the game (sanitizer build), the end-to-end scenarios of the
# Linux build (the Debian package's among them) with the benchmark script's
# short run, the Windows build's scenarios and its installer's round trip.
#
# The builds take the two cores one after the other; the scenarios, which
# mostly wait on the game, run beside them in the background, two at a time,
# while the builds run at a lower priority. At its end (or at a failure) it
# prints a table of its phases with their times.
#
# A build folder is removed once the phases that use it are over (the fuzz
# build after the fuzzing, the sanitizer build after the soak), so that the
# run fits on a small disk; VORA_KEEP_BUILDS=1 keeps them.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
# shellcheck source=scripts/lib/phases.sh
source "$ROOT/scripts/lib/phases.sh"
# At the end, or at a failure: no background phase left running, then the
# table.
trap 'phase_stop_all; phase_table' EXIT

JOBS=$(nproc)
# The builds yield to the scenarios running beside them.
BUILD_NICE=(nice -n 15)

# Removes a build folder that no later phase needs.
done_with() {
    if [[ ${VORA_KEEP_BUILDS:-0} != 1 ]]; then
        rm -rf "$1"
    fi
}

release_build() {
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_WERROR=ON \
        -DVORA_TESTS=ON
    cmake --build build/release
}
release_tests() {
    ctest --test-dir build/release --output-on-failure -j "$JOBS"
}
sanitizer_build() {
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORA_WERROR=ON \
        -DVORA_SANITIZE=ON -DVORA_TESTS=ON
    "${BUILD_NICE[@]}" cmake --build build/asan
}
sanitizer_tests() {
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp \
        ctest --test-dir build/asan --output-on-failure -j "$JOBS"
}
fuzzing() {
    "${BUILD_NICE[@]}" bash scripts/fuzz.sh all "${VORA_FUZZ_SECONDS:-15}"
}
soak() {
    bash tests/soak/vora_soak.sh "$ROOT/build/asan" "${VORA_SOAK_SECONDS:-60}"
}
windows_build() {
    "${BUILD_NICE[@]}" bash scripts/windows-test.sh build
}
# The Windows build's unit tests, then its scenarios and its installer's
# round trip.
windows_tests() {
    bash scripts/windows-test.sh unit
    bash scripts/windows-test.sh scenarios
}

phase "installing what is missing" bash scripts/deps.sh all
phase "normal build" release_build
phase "normal build: unit tests" release_tests
phase_start "Linux scenarios and the short benchmark" bash scripts/e2e-linux.sh build/release
phase "Windows build (mingw-w64)" windows_build
phase_start "Windows build under Wine" windows_tests
phase "sanitizer build" sanitizer_build
phase "sanitizer build: unit tests" sanitizer_tests
phase_start "soak of the running game (sanitizer build)" soak
phase "fuzzing (each target briefly, from its seeds)" fuzzing
done_with build/fuzz
phase_join "soak of the running game (sanitizer build)"
done_with build/asan
phase_join "Linux scenarios and the short benchmark"
phase_join "Windows build under Wine"

echo "all tests passed"
