#!/usr/bin/env bash
# Measures the hint as the game gives one on the largest catalogue grid at
# level 7, at every step of its solving by hints (shell/core/indice_bench),
# prints the median and the worst step, and fails when the worst step takes
# more than 20 ms.
# Usage: scripts/bench-indice.sh  (VORA_BENCH_BUILD: the Linux build folder,
# default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${VORA_BENCH_BUILD:-$PWD/build/release}
cmake --build "$BUILD" --target indice_bench >/dev/null
LINE=$("$BUILD/shell/core/indice_bench" --benchmark_format=console 2>/dev/null | grep '^BM_Hint')
counter() { sed -nE "s/.* $1=([0-9.]+)(m|u)?.*/\1 \2/p" <<<"$LINE"; }
ms() {
    read -r value unit <<<"$(counter "$1")"
    # Google Benchmark prints small counters with a unit prefix (m, u).
    case ${unit:-} in
    m) awk -v v="$value" 'BEGIN { printf "%.3f", v / 1000 }' ;;
    u) awk -v v="$value" 'BEGIN { printf "%.6f", v / 1000000 }' ;;
    *) printf '%s' "$value" ;;
    esac
}
MEDIAN=$(ms median_ms)
WORST=$(ms worst_ms)
printf 'hint, largest grid, level 7   median %s ms   worst %s ms   (budget 20 ms)\n' "$MEDIAN" "$WORST"
awk -v w="$WORST" 'BEGIN { exit !(w <= 20) }' || {
    echo "bench-indice: the worst hint takes more than 20 ms" >&2
    exit 1
}
