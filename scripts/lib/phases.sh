# Sourced by the test command: phases run in the foreground or in the
# background, timed, and a table of them at the end.
#
#   phase NAME COMMAND...        runs COMMAND now, its output as it comes
#   phase_start NAME COMMAND...  runs COMMAND in the background, its output
#                                kept in $PHASE_LOGS/NAME.log
#   phase_join NAME              waits for a background phase and prints its
#                                output; returns its status
#   phase_table                  prints every phase: when it started (seconds
#                                after the first), how long it took, its result
#   phase_stop_all               stops every background phase still running,
#                                with all it started (for an early exit)
#   run_parallel JOBS LOGDIR     runs the commands read from the standard
#                                input, one per line as "NAME COMMAND...", at
#                                most JOBS at a time; prints each one's output
#                                once it ends, then a table of their times;
#                                returns non-zero when any failed; each
#                                command sees JOB_SLOT, a number from 1 to
#                                JOBS that no other running command has
# A phase that fails stops nothing by itself: the caller decides.

PHASE_LOGS=${PHASE_LOGS:-$(mktemp -d /tmp/vora_phases.XXXXXX)}
PHASE_T0=${PHASE_T0:-$SECONDS}
declare -A PHASE_PID=() PHASE_BEGIN=()
PHASE_ROWS=()

phase_record() {
    local name=$1 begin=$2 status=$3
    local result=ok
    ((status == 0)) || result="FAILED ($status)"
    PHASE_ROWS+=("$(printf '%-44s %6d %6d  %s' "$name" $((begin - PHASE_T0)) $((SECONDS - begin)) "$result")")
}

phase() {
    local name=$1 begin=$SECONDS status=0
    shift
    echo "=== $name (free: $(df -h --output=avail . | tail -n 1 | tr -d ' '))"
    "$@" || status=$?
    phase_record "$name" "$begin" "$status"
    return "$status"
}

phase_start() {
    local name=$1
    shift
    echo "=== $name: started in the background"
    PHASE_BEGIN[$name]=$SECONDS
    ("$@") >"$PHASE_LOGS/$name.log" 2>&1 </dev/null &
    PHASE_PID[$name]=$!
}

phase_join() {
    local name=$1 status=0
    wait "${PHASE_PID[$name]}" || status=$?
    echo "=== $name (background, ended; its output follows)"
    cat "$PHASE_LOGS/$name.log"
    phase_record "$name" "${PHASE_BEGIN[$name]}" "$status"
    return "$status"
}

# The processes started under a process, children first found then all at
# once, so that none is missed when its parent goes first.
process_tree() {
    local pid
    for pid in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        echo "$pid"
        process_tree "$pid"
    done
}

phase_stop_all() {
    local name tree
    for name in "${!PHASE_PID[@]}"; do
        kill -0 "${PHASE_PID[$name]}" 2>/dev/null || continue
        tree="${PHASE_PID[$name]} $(process_tree "${PHASE_PID[$name]}")"
        echo "=== $name: stopped"
        # shellcheck disable=SC2086
        kill $tree 2>/dev/null || true
    done
}

phase_table() {
    echo
    printf '%-44s %6s %6s  %s\n' "phase" "start" "time" "result"
    printf '%s\n' "${PHASE_ROWS[@]}"
    echo "total: $((SECONDS - PHASE_T0)) s"
}

# (A subshell of its own: `wait -n` then sees only these jobs.)
run_parallel() (
    jobs=$1
    logs=$2
    failed=0
    declare -A names=() begins=() slots=()
    busy=()
    rows=()
    mkdir -p "$logs"
    # Waits for any job to end: its output, its row.
    reap_one() {
        local pid= status=0 job
        wait -n -p pid || status=$?
        job=${names[$pid]}
        unset "names[$pid]"
        busy[${slots[$pid]}]=
        unset "slots[$pid]"
        echo "--- $job ($((SECONDS - begins[$job])) s, status $status)"
        cat "$logs/$job.log"
        rows+=("$(printf '  %-40s %5d s  %s' "$job" $((SECONDS - begins[$job])) \
            "$( ((status == 0)) && echo ok || echo FAILED)")")
        ((status == 0)) || failed=1
    }
    while read -r name line; do
        [[ -n $name ]] || continue
        while ((${#names[@]} >= jobs)); do reap_one; done
        begins[$name]=$SECONDS
        slot=1
        while [[ -n ${busy[$slot]:-} ]]; do slot=$((slot + 1)); done
        busy[$slot]=1
        JOB_SLOT=$slot bash -c "$line" >"$logs/$name.log" 2>&1 </dev/null &
        names[$!]=$name
        slots[$!]=$slot
    done
    while ((${#names[@]} > 0)); do reap_one; done
    printf '%s\n' "${rows[@]}"
    exit "$failed"
)
