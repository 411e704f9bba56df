#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, build/fuzz) and runs them on their seed
# corpora.
#
#   scripts/fuzz.sh TARGET|all SECONDS [libFuzzer options...]
#
# Each target starts from its seeds (fuzz/corpus/TARGET, read only) and from
# the inputs earlier runs found (build/fuzz/corpus/TARGET, where new ones go),
# with its dictionary fuzz/dict/TARGET.dict when there is one;
# an input that breaks a property or a sanitizer is written to
# build/fuzz/artifacts/TARGET/ and the script exits non-zero. The targets run
# two at a time. Prints, per target, the executions, the coverage
# ("cov" edges, "ft" features) and the corpus size reached.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

ALL=(depile_fuzz lignes_fuzz chemin_fuzz definition_fuzz groupe_fuzz etat_fuzz paramuser_fuzz
     picture_fuzz)
which=${1:?usage: scripts/fuzz.sh TARGET|all SECONDS [libFuzzer options...]}
seconds=${2:?usage: scripts/fuzz.sh TARGET|all SECONDS [libFuzzer options...]}
shift 2
if [[ $which == all ]]; then targets=("${ALL[@]}"); else targets=("$which"); fi

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DVORA_FUZZ=ON -DVORA_PORTABLE_ONLY=ON -DVORA_TESTS=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}"

# Allocation stacks are kept short (4 frames): fuzzing allocates a lot, and
# the full stacks halve the speed. Run a written input again with
# build/fuzz/fuzz/TARGET FILE for the whole report.
# VORA_FUZZ_JOBS targets (default 2) run at a time; their summaries print in
# the list's order.
run_target() {
    local t=$1
    local work=build/fuzz/corpus/$t
    local artifacts=build/fuzz/artifacts/$t
    local log=build/fuzz/$t.log
    mkdir -p "$work" "$artifacts"
    # A target's dictionary of the tokens its format knows, when it has one.
    local dict=()
    [[ -f fuzz/dict/$t.dict ]] && dict=("-dict=fuzz/dict/$t.dict")
    if (ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:malloc_context_size=4 \
       UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
       LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp \
       "build/fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
           -max_len=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" "${dict[@]}" \
           "${options[@]}" \
           "$work" "fuzz/corpus/$t" >"$log" 2>&1); then
        local runs last cov
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
        cov=$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\).*/cov \1 ft \2 corpus \3/p' <<<"$last")
        echo "$t: ${runs:-?} executions in ${seconds} s, ${cov:-coverage not reported}"
    else
        echo "$t: FAILED (log $log)"
        grep -E 'ERROR|property does not hold|runtime error|SUMMARY|Test unit written' "$log" | head -n 20 || true
        return 1
    fi
}
options=("$@")
status=0
for t in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= ${VORA_FUZZ_JOBS:-2})); do wait -n || true; done
    run_target "$t" >"build/fuzz/$t.summary" &
done
wait
for t in "${targets[@]}"; do
    cat "build/fuzz/$t.summary"
    grep -q "^$t: FAILED" "build/fuzz/$t.summary" && status=1
done
exit $status
