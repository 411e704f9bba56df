#!/usr/bin/env bash
# End-to-end scenario of the game under Xvfb, driven with xdotool: grid 1
# played to its end with the keyboard alone once the game has started (no
# mouse event): an arrow shows the cursor, the arrows take it from cell to
# cell (the ways from the positions program), digits enter the solution's
# values; a refused digit, Ctrl+Z and Ctrl+Y on the way; the highlight of
# the current value seen, switched on and off from the popup menu opened by
# the menu key, its line chosen with the arrows; the congratulation and the offer
# to save answered with keys, the saved state and the options checked in the
# parameter file, then "X" quits.
#
# Usage: vora_clavier_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_fin_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 clavier)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"

# Pixels of a colour family (r g b bounds as a test on r, g, b) in the
# square of half-side 12 around a client point of the last screenshot.
pixels() {
    convert "$SHOT" -crop 25x25+$((CX + $1 - 12))+$((CY + $2 - 12)) -depth 8 txt:- |
        sed -nE 's/.*#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2}).*/\1 \2 \3/p' |
        while read -r r g b; do
            r=$((16#$r)) g=$((16#$g)) b=$((16#$b))
            if (($3)); then echo; fi
        done | wc -l
}
RED='r > 0xD0 && g < 0x40 && b < 0x40'
GREEN='r > 0x80 && r < 0xA0 && g > 0xE0 && b > 0x80 && b < 0xA0'
CHOSEN='r > 0xA8 && r < 0xB8 && g > 0xD0 && g < 0xE0 && b > 0xE8'

key Right
shot
read -r _ X1 Y1 _ _ <<<"$(head -1 "$WORK/plan.txt")"
if (($(pixels "$X1" "$Y1" "$RED") > 10)); then pass "an arrow shows the cursor"; else fail "no cursor after an arrow"; fi

LINE=0
LAST=
while read -r _ X Y V R KEYS; do
    LINE=$((LINE + 1))
    # shellcheck disable=SC2086
    [[ -z $KEYS ]] || key $KEYS
    if ((LINE == 2)); then
        ((R != 0)) || fail "no refused value in the plan"
        key "$R"
        shot
        if (($(count m $((CX + X)) $((CY + Y))) == 0)); then pass "a refused digit enters nothing"; else fail "a refused digit was entered"; fi
    fi
    key "$V"
    if ((LINE == 2)); then
        shot
        if (($(count m $((CX + X)) $((CY + Y))) > 5)); then pass "a digit enters on the cursor's cell"; else fail "no value after the digit"; fi
        key ctrl+z
        shot
        if (($(count m $((CX + X)) $((CY + Y))) == 0)); then pass "Ctrl+Z undoes"; else fail "Ctrl+Z left the value"; fi
        key ctrl+y
        shot
        if (($(count m $((CX + X)) $((CY + Y))) > 5)); then pass "Ctrl+Y redoes"; else fail "Ctrl+Y did not redo"; fi
        # The highlight's line of the popup menu, fourth from the end.
        key Menu
        key Up Up Up Up Return
        shot
        if (($(pixels "$X" "$Y" "$GREEN") > 20)); then pass "the menu highlights the current value's cells"; else fail "no highlight from the menu"; fi
        cp "$SHOT" "$WORK/highlight.png"
        # The menu key opens the popup menu (its first line chosen, light
        # blue, beside the column); the highlight's line switches it off.
        key Menu
        shot
        if (($(pixels 180 50 "$CHOSEN") > 100)); then pass "the menu key opens the menu"; else fail "no menu after the menu key"; fi
        key Up Up Up Up Return
        shot
        if (($(pixels "$X" "$Y" "$GREEN") == 0)); then pass "the menu's line switches the highlight off"; else fail "the highlight stayed"; fi
    fi
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
    if grep -q "^surl=0" "$WORK/V-O-RA 110.TXT" && grep -q "^net=1" "$WORK/V-O-RA 110.TXT"; then
        pass "the options saved"
    else
        fail "the options' lines missing"
    fi
else
    fail "nothing saved after the offer"
fi
key x
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
