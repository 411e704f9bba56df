#!/usr/bin/env bash
# End-to-end scenario of the best times: grid 1 played to its end (values
# from the solver), the finish message read and the save accepted; the
# parameter file holds the grid's best time with today's date; the
# information page ("I") shows it; after "X" and a new start in the same
# folder the information page shows the same, read back from the file.
#
# Usage: vora_records_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 solution)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
"${PLAN_CMD[@]}" 2 | tr -d '\r' >"$WORK/boutons.txt"
button() { grep "^$1 " "$WORK/boutons.txt" | cut -d' ' -f2-; }
FILE="$WORK/V-O-RA 110.TXT"
TODAY=$(date +%Y%m%d)

# The information page's box as a picture of its own (its place on the
# screen may change from one start to the next); Escape closes it.
info_box() {
    local IX IY
    read -r IX IY <<<"$(button I)"
    if [[ -z ${IY:-} ]]; then
        fail "no place for the I button"
        return 1
    fi
    click "$IX" "$IY"
    if ! wait_for box_open; then
        fail "no information box"
        return 1
    fi
    settle
    import -window "$BOX" "$WORK/$1.png"
    boxkey Escape
}
quit_game() {
    read -r XX XY <<<"$(button X)"
    click "$XX" "$XY"
    check_quit
}

while read -r _ X Y V; do
    read -r TX TY <<<"$(button "T$V")"
    click "$TX" "$TY"
    click "$X" "$Y"
done <"$WORK/plan.txt"
settle
if wait_for box_open; then
    import -window "$BOX" "$WORK/finish.png"
    pass "finish message shown"
else
    fail "no finish message"
fi
boxkey Return
settle
boxkey o
if ! grep -qs "^rec=" "$FILE"; then boxkey y; fi
if wait_for grep -qE "^rec=[1-7],0,[0-9]+,$TODAY,[^,]" "$FILE"; then
    pass "best time saved with today's date: $(grep '^rec=' "$FILE" | tr -d '\r')"
else
    fail "no best time in the parameter file"
fi
info_box info-before
quit_game

# A new start in the same folder, on the file just written.
cd "${GAME_DIR:-$WORK}"
"${GAME_CMD[@]}" >"$WORK/game2.log" 2>&1 &
GAME_PID=$!
if wait_for find_window; then
    settle
    find_origin || fail "no button column after the new start"
    info_box info-after
    if [[ -s $WORK/info-before.png && -s $WORK/info-after.png ]] &&
        [[ $(compare -metric AE "$WORK/info-before.png" "$WORK/info-after.png" null: 2>&1 || true) == 0 ]]; then
        pass "the information page shows the same best time after a new start"
    else
        fail "the information page differs after a new start"
    fi
    quit_game
else
    fail "the game's window did not appear again"
fi
grep -qE "^rec=[1-7],0,[0-9]+,$TODAY," "$FILE" && pass "the best time is kept" ||
    fail "the best time was lost"

((FAILURES == 0)) || exit 1
echo "all steps passed"
