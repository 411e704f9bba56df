#!/usr/bin/env bash
# Runs the end-to-end scenarios of tests/e2e/ against a Linux build, each run
# (bare, under openbox) a job of its own, VORA_E2E_JOBS (default 2) at a
# time, then the benchmark script's short run; prints each job's output when
# it ends and a table of their times. Each scenario makes its own Xvfb
# display, scratch directory and data folder, so that jobs never meet. The
# Debian package's scenario also installs and purges the package on the
# machine (as root). The Windows installer's round trip runs with the
# Windows build (scripts/windows-test.sh).
#
# Usage: scripts/e2e-linux.sh [build-dir]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=$(cd "${1:-build/release}" && pwd)
# shellcheck source=scripts/lib/phases.sh
source "$ROOT/scripts/lib/phases.sh"

jobs_file=$(mktemp)
trap 'rm -f "$jobs_file"' EXIT
for script in tests/e2e/*_e2e.sh; do
    name=$(basename "$script" .sh)
    case $name in
    vora_nsis_e2e) continue ;;
    # One run each: no window manager involved, or bare only by design.
    paramsave_crash_e2e | vora_savekill_e2e) echo "$name bash $script $BUILD" ;;
    vora_deb_e2e) echo "$name VORA_DEB_SYSTEM=1 bash $script $BUILD" ;;
    *)
        for wm in bare openbox; do
            echo "$name-$wm VORA_E2E_WM=$wm bash $script $BUILD"
        done
        ;;
    esac
done >"$jobs_file"
echo "bench-short VORA_BENCH_BUILD=$BUILD bash scripts/bench-game.sh --short" >>"$jobs_file"
run_parallel "${VORA_E2E_JOBS:-2}" "$BUILD/e2e-logs" <"$jobs_file"
