#!/usr/bin/env bash
# Crash test of saving the parameter file: a saver that writes it over and
# over is killed with SIGKILL at random moments, many times; after every kill
# the file must be exactly the save before or a later one, whole.
#
# Usage: paramsave_crash_e2e.sh <build-dir>
# VORA_CRASH_ROUNDS (default 40) is the number of kills.
set -euo pipefail

BUILD=$(cd "${1:?usage: $0 <build-dir>}" && pwd)
SAVER=$BUILD/tests/savecrash/savecrash
ROUNDS=${VORA_CRASH_ROUNDS:-40}
WORK=$(mktemp -d /tmp/paramsave_crash_e2e.XXXXXX)
FILE=$WORK/V-O-RA\ 110.TXT
PID=

cleanup() {
    set +e
    if [[ -n $PID ]]; then
        kill -9 "$PID" 2>/dev/null
        wait "$PID" 2>/dev/null
    fi
    rm -rf "$WORK"
    return 0
}
trap cleanup EXIT

"$SAVER" write "$FILE" 1
last=$("$SAVER" check "$FILE")
advanced=0
for ((round = 1; round <= ROUNDS; round++)); do
    "$SAVER" write "$FILE" &
    PID=$!
    # 20 to 139 ms: the saver is killed at a different point of a save each time.
    sleep "0.$(printf '%03d' $((20 + RANDOM % 120)))"
    kill -9 "$PID"
    wait "$PID" 2>/dev/null || true
    PID=
    if ! now=$("$SAVER" check "$FILE"); then
        echo "FAIL: round $round: the file is damaged (last whole save: $last)" >&2
        exit 1
    fi
    if ((now < last)); then
        echo "FAIL: round $round: save $now is older than save $last" >&2
        exit 1
    fi
    ((now > last)) && advanced=$((advanced + 1))
    last=$now
done
echo "paramsave crash test: $ROUNDS kills, the file always whole (last save $last," \
    "$advanced rounds saved)"
