#!/usr/bin/env bash
# End-to-end scenario of the help under Xvfb, driven with xdotool: on grid 1,
# H shows a hint (its cell in orange, the cells that justify it in light
# blue, its text in a bubble); H again enters its value, the bubble goes;
# Ctrl+Z takes the value back; M fills the pencil marks and Ctrl+Z takes
# them back; a wrong entry makes H report it and K frame it in red.
#
# Usage: vora_indice_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_fin_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 solution)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"

# The pixels of exactly one colour (RRGGBB) on the last screenshot: their
# number, then their mean x and y (screen pixels).
colour() {
    local n box w h x y
    read -r n box <<<"$(convert "$SHOT" -fill black +opaque "#$1" -fill white -opaque "#$1" \
        -format '%[fx:round(mean*w*h)] %@' info: 2>/dev/null)"
    if ((n == 0)); then
        echo "0 0 0"
        return
    fi
    IFS='x+' read -r w h x y <<<"$box"
    convert "$SHOT" -crop "${w}x${h}+$x+$y" +repage -depth 8 txt:- | grep "#$1" |
        awk -F'[,:]' -v x0="$x" -v y0="$y" -v n="$n" \
            '{ k++; x += $1; y += $2 } END { printf "%d %d %d\n", n, x0 + x / k, y0 + y / k }'
}
HINT=FFA040
BUBBLE=FFFFE0
WRONG=C00000

key h
shot
cp "$SHOT" "$WORK/hint.png"
read -r N HX HY <<<"$(colour $HINT)"
if ((N > 50)); then pass "H shows the hint's cell"; else fail "no hint cell after H"; fi
read -r B _ _ <<<"$(colour $BUBBLE)"
if ((B > 2000)); then pass "the hint's bubble shows"; else fail "no bubble after H"; fi
if (($(count m "$HX" "$HY") == 0)); then pass "the hint's cell is empty"; else fail "the hint's cell holds a value"; fi

key h
shot
if (($(count m "$HX" "$HY") > 5)); then pass "H again enters the value"; else fail "no value after H again"; fi
read -r N _ _ <<<"$(colour $HINT)"
read -r B _ _ <<<"$(colour $BUBBLE)"
if ((N == 0 && B == 0)); then pass "the hint goes with its entry"; else fail "the hint stayed ($N, $B)"; fi

key ctrl+z
shot
if (($(count m "$HX" "$HY") == 0)); then pass "Ctrl+Z takes the value back"; else fail "the value stayed after Ctrl+Z"; fi

# The pixels that differ between the last screenshot and an earlier one in
# the square of half-side 40 around the hint's cell.
differ() {
    compare -metric AE -crop 81x81+$((HX - 40))+$((HY - 40)) "$1" "$SHOT" null: 2>&1 || true
}
BEFORE=$SHOT
key m
shot
cp "$SHOT" "$WORK/marks.png"
MARKED=$(differ "$BEFORE")
key ctrl+z
shot
if ((MARKED > 50 && $(differ "$BEFORE") == 0)); then pass "M fills the pencil marks, Ctrl+Z takes them back"; else fail "marks not seen or not undone ($MARKED)"; fi

# A wrong value: the first empty cell of the plan with a value other than
# its solution's that the rule allows (tried in turn until one shows).
while read -r _ X Y V; do
    for W in 1 2 3 4 5 6; do
        ((W != V)) || continue
        key "$W"
        click "$X" "$Y"
        shot
        if (($(count m $((CX + X)) $((CY + Y))) > 5)); then break 2; fi
    done
done < <(grep '^S ' "$WORK/plan.txt" | head -3)
key h
shot
cp "$SHOT" "$WORK/wrong.png"
read -r B _ _ <<<"$(colour $BUBBLE)"
read -r N _ _ <<<"$(colour $HINT)"
if ((B > 2000 && N == 0)); then pass "a wrong entry is reported before any hint"; else fail "no report of the wrong entry ($B, $N)"; fi
key k
shot
cp "$SHOT" "$WORK/check.png"
read -r N _ _ <<<"$(colour $WRONG)"
if ((N > 20)); then pass "K frames the wrong entry"; else fail "no frame after K"; fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
