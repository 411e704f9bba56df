#!/usr/bin/env bash
# End-to-end scenario of new grids under Xvfb, driven with xdotool: N opens
# the picker, a shape and a level are chosen with the keys, the new grid
# shows in place of grid 1; an entry made with the keyboard, "S" saves the
# grid (its shape, seed, texts and state) in the parameter file; the game
# quits and starts again on the new grid with its entry; N again asks first
# (the entries would be lost) and its no opens no picker, leaving the grid in
# play as it was. (A generation cancelled while under way takes 20 to 120 ms here, too
# short to meet from outside: shell/core/nouvelle_tests.cpp cancels one in
# process.)
#
# Usage: vora_nouvelle_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_fin_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
FILE="$WORK/V-O-RA 110.TXT"

# Magenta pixels (the player's digits) on the grid, right of the column.
magenta() {
    convert "$SHOT" -crop 900x700+$((CX + 65))+"$CY" -fx '(r > 0.69 && g < 0.5 && b > 0.69) ? 1 : 0' \
        -format '%[fx:round(mean * w * h)]' info:
}
# The grid's picture (the cells, right of the button column); two pictures
# are the same grid when they differ by less than the keyboard cursor's frame.
grid_picture() { convert "$SHOT" -crop 900x700+$((CX + 65))+"$CY" "$1"; }
same_picture() { (($(compare -metric AE "$1" "$2" null: 2>&1 || true) < 400)); }
save() {
    rm -f "$FILE"
    key s
    boxkey Return
    wait_for grep -q "gri=" "$FILE"
}
quit_no() {
    key x
    boxkey n
    wait_for bash -c "! kill -0 $GAME_PID" || return 1
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
}

shot
grid_picture "$WORK/grid1.png"
BASE=$(magenta)

# N: the shapes (the grid in play's, then compact 2, compact 3, triangle 5),
# then the levels.
key n
shot
cp "$SHOT" "$WORK/picker.png"
chosen=$(convert "$SHOT" -fill black +opaque "#B0D8F0" -fill white -opaque "#B0D8F0" \
    -format '%[fx:round(mean * w * h)]' info:)
if ((chosen > 500)); then pass "N opens the picker of shapes"; else fail "no picker after N"; fi
key Down Down Down Return
key Down Down Return
sleep 1.5
shot
grid_picture "$WORK/new.png"
if ! same_picture "$WORK/grid1.png" "$WORK/new.png"; then pass "N, a shape and a level show a new grid"; else fail "the grid did not change after N"; fi

# An entry with the keyboard: the cursor on a cell, the digits 1 to 6 (the
# first allowed enters, the others are refused); a given cell takes none, the
# next cell is tried.
for _ in 1 2 3 4 5 6 7 8; do
    key Right
    key 1 2 3 4 5 6
    shot
    (($(magenta) > BASE + 5)) && break
done
if (($(magenta) > BASE + 5)); then pass "a value entered on the new grid"; else fail "no value entered on the new grid"; fi
grid_picture "$WORK/played.png"
cp "$SHOT" "$WORK/column.png"

# "I" names the new grid (its box, kept as info.png); Escape closes it.
key i
if TIMEOUT=10 wait_for box_open; then
    shot
    cp "$SHOT" "$WORK/info.png"
    pass "\"I\" opens on the new grid"
    boxkey Escape
    settle
else
    fail "no box after \"I\""
fi

if save && grep -q "^nvf=triangle 5" "$FILE" && grep -q "^nvl=3" "$FILE" && grep -q "^gri=6" "$FILE" &&
    grep -q "^nvt1=X" "$FILE" && grep -q "^nvgv:A=" "$FILE"; then
    pass "\"S\" keeps the new grid, its level and its state in the parameter file"
else
    fail "the parameter file does not hold the new grid"
fi
SEED=$(grep "^nvg=" "$FILE" || true)
cp "$FILE" "$WORK/saved.txt"

if quit_no; then pass "the game quits"; else fail "the game did not quit"; fi
"${GAME_CMD[@]}" >>"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait_for find_window || fail "the game did not start again"
# The grid shown after the restart, looked at until it is the one played
# (a loaded machine may show the window before its first full paint).
came_back() {
    find_origin && grid_picture "$WORK/back.png" && (($(magenta) > BASE + 5)) &&
        same_picture "$WORK/played.png" "$WORK/back.png"
}
if TIMEOUT=15 wait_for came_back; then
    pass "after a restart the new grid is back with its entry"
else
    fail "the new grid or its entry did not come back ($(magenta) magenta pixels against $BASE before any entry;" \
        "$(compare -metric AE "$WORK/played.png" "$WORK/back.png" null: 2>&1 || true) pixels differ from the grid played)"
fi

# Another new grid asked for over the entered one: the question comes first,
# before the picker; its no (Escape) opens no picker and leaves the grid in
# play, seed and state.
key n
if TIMEOUT=10 wait_for box_open; then
    pass "N over an entered new grid asks before the picker"
    boxkey Escape
else
    fail "no question before the picker"
fi
settle
shot
chosen=$(convert "$SHOT" -fill black +opaque "#B0D8F0" -fill white -opaque "#B0D8F0" \
    -format '%[fx:round(mean * w * h)]' info:)
if ((chosen <= 500)); then pass "no picker after the no"; else fail "the picker opened after the no"; key Escape; fi
sleep 1.5
shot
grid_picture "$WORK/cancelled.png"
if same_picture "$WORK/back.png" "$WORK/cancelled.png" && save && grep -qxF "$SEED" "$FILE" &&
    [[ $(grep "^nvgv:A=" "$FILE") == $(grep "^nvgv:A=" "$WORK/saved.txt") ]]; then
    pass "a declined generation leaves the grid in play untouched"
else
    fail "the declined generation changed the grid in play"
fi
quit_no || fail "the game did not quit at the end"

echo "$FAILURES failure(s)"
((FAILURES == 0))
