#!/usr/bin/env bash
# End-to-end scenario of the help under Xvfb, driven with xdotool: on grid 1
# at level 7, H shows a hint in stages, one a press, each in a bubble: where
# to look (a framed triangle or a shaded hexagon, nothing more), why (the
# cells holding the value in blue), what follows (the cell in
# orange); the fourth H enters the value and the bubble goes; Ctrl+Z takes
# the value back; M fills the pencil marks and Ctrl+Z takes them back; a
# wrong entry makes H report it and K frame it in dashes of dark red. The stages' pictures
# are kept as stage1.png to stage3.png.
#
# Usage: vora_indice_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_fin_e2e.sh; START_PARAMS (the parameter file at the start) may add
# "lng=2" for the English pictures.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1 solution)
START_PARAMS=${START_PARAMS-$'ver=3.6\r\ntca=40\r\nniv1=7\r\n'}
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
HOLDS=70B0FF
FRAME=0000C0
SHADE=D0D8E0
BUBBLE=FFFFE0
WRONG=800000

key h
shot
cp "$SHOT" "$WORK/stage1.png"
read -r N _ _ <<<"$(colour $HINT)"
read -r B _ _ <<<"$(colour $BUBBLE)"
read -r F _ _ <<<"$(colour $FRAME)"
read -r S _ _ <<<"$(colour $SHADE)"
read -r T _ _ <<<"$(colour $HOLDS)"
if ((B > 2000 && N < 20 && T == 0 && (F > 20 || S > 200))); then
    pass "H names where to look, nothing more"
else
    fail "no first stage after H ($B, $N, $T, $F, $S)"
fi

key h
shot
cp "$SHOT" "$WORK/stage2.png"
read -r N _ _ <<<"$(colour $HINT)"
read -r T _ _ <<<"$(colour $HOLDS)"
if ((T > 50 && N < 20)); then pass "H again shows the cells that justify it"; else fail "no second stage ($T, $N)"; fi

key h
shot
cp "$SHOT" "$WORK/stage3.png"
read -r N HX HY <<<"$(colour $HINT)"
if ((N > 50)); then pass "the third H shows the hint's cell"; else fail "no hint cell at the third H"; fi
if (($(count m "$HX" "$HY") == 0)); then pass "the hint's cell is empty"; else fail "the hint's cell holds a value"; fi

key h
shot
if (($(count m "$HX" "$HY") > 5)); then pass "the fourth H enters the value"; else fail "no value after the fourth H"; fi
read -r N _ _ <<<"$(colour $HINT)"
read -r B _ _ <<<"$(colour $BUBBLE)"
if ((N < 20 && B == 0)); then pass "the hint goes with its entry"; else fail "the hint stayed ($N, $B)"; fi

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
if ((B > 2000 && N < 20)); then pass "a wrong entry is reported before any hint"; else fail "no report of the wrong entry ($B, $N)"; fi
key k
shot
cp "$SHOT" "$WORK/check.png"
read -r N _ _ <<<"$(colour $WRONG)"
if ((N > 20)); then pass "K frames the wrong entry"; else fail "no frame after K"; fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
