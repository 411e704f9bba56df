#!/usr/bin/env bash
# End-to-end scenario of the game under Xvfb, driven with xdotool: grid 1
# (the smallest) played to its end through clicks on the selector and the
# cells (values from the solver), the congratulation and the offer to save
# answered, the saved state checked in the parameter file, then "X".
#
# Usage: vora_e2e.sh <build-dir>
# VORA_GAME_CMD overrides the command that starts the game (for instance
# "wine /path/vora.exe"); VORA_PLAN_CMD the one that prints the positions.
# The game runs in a scratch directory (its parameter file lands there).
# VORA_E2E_TIMEOUT (seconds, default 40) bounds each wait; VORA_E2E_KEEP=1
# keeps the scratch directory and its screenshots.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 solution)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
"${PLAN_CMD[@]}" 2 | tr -d '\r' >"$WORK/boutons.txt"
triangle() { grep "^T$1 " "$WORK/boutons.txt" | cut -d' ' -f2-; }

LAST=
while read -r _ X Y V; do
    read -r TX TY <<<"$(triangle "$V")"
    click "$TX" "$TY"
    click "$X" "$Y"
    LAST="$X $Y"
done <"$WORK/plan.txt"
sleep 1
shot
read -r LX LY <<<"$LAST"
if (($(count m $((CX + LX)) $((CY + LY))) > 5)); then pass "last value entered"; else fail "last value not shown"; fi
BOXES=$(xdotool search --onlyvisible --name '^V-O-RA' | grep -vxc "$WINDOW" || true)
if ((BOXES > 0)); then pass "congratulation shown"; else fail "no congratulation box"; fi
boxkey Return
sleep 0.5
boxkey o
if ! grep -qs "gv1:A=" "$WORK/V-O-RA 110.TXT"; then boxkey y; fi
if wait_for grep -q "gv1:A=" "$WORK/V-O-RA 110.TXT"; then
    if grep "gv1:A=" "$WORK/V-O-RA 110.TXT" | grep -q G; then
        fail "the saved state still has empty cells"
    else
        pass "finished grid saved"
    fi
else
    fail "nothing saved after the offer"
fi
read -r XX XY <<<"$(grep '^X ' "$WORK/boutons.txt" | cut -d' ' -f2-)"
click "$XX" "$XY"
sleep 0.5
boxkey o
if kill -0 "$GAME_PID" 2>/dev/null; then boxkey y; fi
if wait_for bash -c "! kill -0 $GAME_PID"; then
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
    pass "left through X"
else
    fail "the game did not end after X"
fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
