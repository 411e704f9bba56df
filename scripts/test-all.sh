#!/usr/bin/env bash
# Runs every test of the project from a fresh checkout: installs what is
# missing, then builds and runs the unit tests in the normal build and in the
# sanitizer build, then every fuzz target for a short time, then a minute of
# the soak of the game (sanitizer build), then the end-to-end scenarios, the
# benchmark script's short run and the Windows build's tests where they exist.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/deps.sh

JOBS=$(nproc)

echo "=== normal build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_WERROR=ON
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j "$JOBS"

echo "=== sanitizer build"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORA_WERROR=ON -DVORA_SANITIZE=ON
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp \
    ctest --test-dir build/asan --output-on-failure -j "$JOBS"

echo "=== fuzzing (each target briefly, from its seeds)"
bash scripts/fuzz.sh all "${VORA_FUZZ_SECONDS:-15}"

echo "=== soak of the running game (sanitizer build)"
bash tests/soak/vora_soak.sh "$ROOT/build/asan" "${VORA_SOAK_SECONDS:-60}"

shopt -s nullglob
e2e=(tests/e2e/*_e2e.sh)
if ((${#e2e[@]})); then
    echo "=== end-to-end scenarios"
    for script in "${e2e[@]}"; do
        echo "--- $script"
        bash "$script" "$ROOT/build/release"
    done
fi

echo "=== the benchmark script, short (nothing crashes; no timing checked)"
bash scripts/bench-game.sh --short

if [[ -f scripts/windows-test.sh ]]; then
    echo "=== Windows build under Wine"
    bash scripts/windows-test.sh
fi

echo "all tests passed"
