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
read -r LX LY <<<"$LAST"
check_finished "$LX" "$LY"
read -r XX XY <<<"$(grep '^X ' "$WORK/boutons.txt" | cut -d' ' -f2-)"
click "$XX" "$XY"
check_quit

((FAILURES == 0)) || exit 1
echo "all steps passed"
