#!/usr/bin/env bash
# End-to-end scenario of the game under Xvfb, driven with xdotool: grid 1
# played to its end with the keyboard alone once the game has started (no
# mouse event): an arrow shows the cursor, the arrows take it from cell to
# cell (the ways from the positions program), digits enter the solution's
# values; a refused digit, Ctrl+Z and Ctrl+Y on the way; the highlight of
# the current value (V) seen, the popup menu opened by the menu key and its
# line of the highlight chosen with the arrows; the counts (C) seen; the
# congratulation and the offer to save answered with keys, the saved state
# and the options checked in the parameter file; Page Up's question answered
# no, then "X" quits.
#
# Usage: vora_clavier_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_fin_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 clavier)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"

RED='r > 0xD0 && g < 0x40 && b < 0x40'
GREEN='r > 0x80 && r < 0xA0 && g > 0xE0 && b > 0x80 && b < 0xA0'
NAVY='r < 0x90 && g < 0x90 && b >= 0x70 && b - r > 0x30'
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
        key v
        shot
        if (($(pixels "$X" "$Y" "$GREEN") > 20)); then pass "V highlights the current value's cells"; else fail "no highlight after V"; fi
        cp "$SHOT" "$WORK/highlight.png"
        # The menu key opens the popup menu (its first line chosen, light
        # blue, beside the column); the highlight's line, seventh from the
        # end, switches it off. The pointer waits in the screen's corner, off
        # the menu: a pointer over a line chooses it.
        xdotool mousemove 0 0
        key Menu
        shot
        if (($(pixels 180 50 "$CHOSEN") > 100)); then pass "the menu key opens the menu"; else fail "no menu after the menu key"; fi
        key Up Up Up Up Up Up Up Return
        shot
        if (($(pixels "$X" "$Y" "$GREEN") == 0)); then pass "the menu's line switches the highlight off"; else fail "the highlight stayed"; fi
        # C: each value's count of cells left, dark blue around the
        # selector's centre (between the triangles of 1 and 4).
        "${PLAN_CMD[@]}" 2 | tr -d '\r' >"$WORK/boutons.txt"
        read -r _ T1X T1Y <<<"$(grep '^T1 ' "$WORK/boutons.txt")"
        read -r _ T4X T4Y <<<"$(grep '^T4 ' "$WORK/boutons.txt")"
        key c
        shot
        if (($(pixels $(((T1X + T4X) / 2)) $(((T1Y + T4Y) / 2)) "$NAVY") > 10)); then pass "C shows the counts"; else fail "no counts after C"; fi
        cp "$SHOT" "$WORK/counts.png"
    fi
    LAST="$X $Y"
done <"$WORK/plan.txt"
read -r LX LY <<<"$LAST"
check_finished "$LX" "$LY"
if grep -q "^surl=0" "$WORK/V-O-RA 110.TXT" && grep -q "^cpt=1" "$WORK/V-O-RA 110.TXT" &&
    grep -q "^net=1" "$WORK/V-O-RA 110.TXT"; then
    pass "the options saved"
else
    fail "the options' lines missing"
fi
# Page Up asks before changing the level; no keeps the grid as it is.
key Prior
if wait_for box_open; then pass "Page Up asks for the next level"; else fail "no question after Page Up"; fi
boxkey n
key x
check_quit

((FAILURES == 0)) || exit 1
echo "all steps passed"
