#!/usr/bin/env bash
# Runs every test of the project from a fresh checkout: installs what is
# missing, then builds and runs the unit tests in the normal build and in the
# sanitizer build, then every fuzz target for a short time, then a minute of
# the soak of the game (sanitizer build), then the end-to-end scenarios (the
# Debian package's among them), the benchmark script's short run, and the
# Windows build's tests and its installer's round trip where they exist.
#
# A build folder is removed once the phases that use it are over (the fuzz
# build after the fuzzing, the sanitizer build after the soak), so that the
# run fits on a small disk; VORA_KEEP_BUILDS=1 keeps them.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/deps.sh

JOBS=$(nproc)

# Free space on the disk of the checkout, printed at each phase.
free_space() {
    df -h --output=avail . | tail -n 1 | tr -d ' '
}

# Removes a build folder that no later phase needs.
done_with() {
    if [[ ${VORA_KEEP_BUILDS:-0} != 1 ]]; then
        rm -rf "$1"
    fi
}

echo "=== normal build (free: $(free_space))"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_WERROR=ON
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j "$JOBS"

echo "=== sanitizer build (free: $(free_space))"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORA_WERROR=ON -DVORA_SANITIZE=ON
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp \
    ctest --test-dir build/asan --output-on-failure -j "$JOBS"

echo "=== fuzzing (each target briefly, from its seeds) (free: $(free_space))"
bash scripts/fuzz.sh all "${VORA_FUZZ_SECONDS:-15}"
done_with build/fuzz

echo "=== soak of the running game (sanitizer build) (free: $(free_space))"
bash tests/soak/vora_soak.sh "$ROOT/build/asan" "${VORA_SOAK_SECONDS:-60}"
done_with build/asan

shopt -s nullglob
e2e=(tests/e2e/*_e2e.sh)
if ((${#e2e[@]})); then
    echo "=== end-to-end scenarios (free: $(free_space))"
    for script in "${e2e[@]}"; do
        # The Windows installer's round trip runs with the Windows build.
        [[ $script == */vora_nsis_e2e.sh ]] && continue
        echo "--- $script"
        # The Debian package's scenario also installs and purges it on the
        # machine (as root).
        VORA_DEB_SYSTEM=1 bash "$script" "$ROOT/build/release"
    done
fi

echo "=== the benchmark script, short (nothing crashes; no timing checked) (free: $(free_space))"
bash scripts/bench-game.sh --short

if [[ -f scripts/windows-test.sh ]]; then
    echo "=== Windows build under Wine (free: $(free_space))"
    bash scripts/windows-test.sh
    echo "=== the Windows installer under Wine (free: $(free_space))"
    bash tests/e2e/vora_nsis_e2e.sh "$ROOT/build/windows"
fi

echo "all tests passed"
