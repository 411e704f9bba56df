#!/usr/bin/env bash
# End-to-end scenario of the game's shaped window and its scrolling under
# Xvfb, on a small screen (640 x 480) whose root is filled with one colour:
# outside the window's shape (beside the button column, right of the caption
# strip) the root shows through, on a cell and on the column the game does;
# grid 5 at the largest cell size overflows the screen: a box explains the
# arrows once, the right and down arrows show (red), the left and up ones
# are closed; a click on the right
# arrow scrolls the grid (the picture changes, the left arrow opens); further
# clicks stop at the bound (the right arrow closes); a click on the down
# arrow opens the up arrow.
#
# Usage: vora_forme_e2e.sh <build-dir>
# The variables of vora_common.sh apply (VORA_GAME_CMD, VORA_PLAN_CMD,
# VORA_E2E_TIMEOUT, VORA_E2E_KEEP, VORA_E2E_WM).
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1)
SCREEN=640x480
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"

# The colour (RRGGBB) of a client point in the last screenshot.
pixel() {
    convert "$SHOT" -crop "1x1+$((CX + $1))+$((CY + $2))" +repage -depth 8 \
        -format '%[hex:p{0,0}]' info: | cut -c1-6
}
# The longest straight run of open-arrow red pixels in a screen rectangle
# (x y w h) of the last screenshot, vertical (v) or horizontal (h): prints
# "length x y" with the run's middle point, or "0 0 0".
redrun() {
    convert "$SHOT" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        sed -nE 's/^([0-9]+),([0-9]+): *\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4 \5/p' |
        awk -v ox="$1" -v oy="$2" -v dir="$5" '
            $3 >= 224 && $4 <= 48 && $5 <= 48 {
                if (dir == "v") { line = $1; along = $2 } else { line = $2; along = $1 }
                if ((line in last) && last[line] == along - 1) run[line]++; else run[line] = 1
                last[line] = along
                if (run[line] > best) { best = run[line]; bl = line; be = along }
            }
            END {
                if (best == 0) { print "0 0 0"; exit }
                mid = be - int(best / 2)
                if (dir == "v") print best, ox + bl, oy + mid; else print best, ox + mid, oy + bl
            }'
}
# An open arrow: a straight red run of at least 40 pixels (the grid's red
# outline gives runs of about 20).
ARROW=40
W=${SCREEN%x*}
H=${SCREEN#*x}
right() { redrun $((W - 70)) "$CY" 70 $((H - CY)) v; }
left() { redrun $((CX + 80)) "$CY" 60 $((H - CY)) v; }
up() { redrun $((CX + 80)) "$CY" $((W - CX - 80)) 60 h; }
down() { redrun $((CX + 80)) $((H - 70)) $((W - CX - 80)) 70 h; }
open_arrow() { read -r len _ _ <<<"$("$1")" && ((len >= ARROW)); }

# ---- the shape, grid 1 at the start
read -r AX AY _ <<<"$(pos A)"
if [[ $(pixel 5 5) == "$ROOT_COLOUR" && $(pixel 5 300) == "$ROOT_COLOUR" ]]; then
    pass "left of the column, inside the window's rectangle, the root shows"
else
    fail "the window covers the root beside the column ($(pixel 5 5), $(pixel 5 300))"
fi
if [[ $(pixel 200 -8) == "$ROOT_COLOUR" ]]; then
    pass "right of the caption strip the root shows"
else
    fail "the caption is not cut ($(pixel 200 -8))"
fi
if [[ $(pixel "$AX" "$AY") != "$ROOT_COLOUR" && $(pixel 55 5) != "$ROOT_COLOUR" ]]; then
    pass "a cell and the column are the game's"
else
    fail "the cell or the column is missing from the shape"
fi
if open_arrow right || open_arrow down; then fail "grid 1 shows arrows"; else pass "grid 1 fits: no arrows"; fi

# ---- grid 5 at the largest cell size: it overflows
read -r GX GY <<<"$("${PLAN_CMD[@]}" 5 | tr -d '\r' | grep '^GR5 ' | cut -d' ' -f2-)"
click "$GX" "$GY"
settle
boxkey Return
# The first time arrows show, a box explains them (answered with Enter).
# Five clicks for three steps: a click made while the box is open is
# refused.
box_soon() { TIMEOUT=3 wait_for box_open; }
BOXES=0
SEEN=
for _ in 1 2 3 4 5; do
    find_origin || true
    click 62 170
    if box_soon; then
        BOXES=$((BOXES + 1))
        SEEN="$SEEN $BOX:$(xdotool getwindowname "$BOX" 2>/dev/null || true):$(xdotool getwindowgeometry "$BOX" 2>/dev/null | tr -s '\n ' ' ')"
        boxkey Return
    fi
done
if ((BOXES == 1)); then pass "the arrows were explained once"; else fail "$BOXES explanation boxes:$SEEN"; fi
find_origin || true
if open_arrow right && open_arrow down && ! open_arrow left && ! open_arrow up; then
    pass "grid 5 at the largest size: the right and down arrows show"
else
    fail "arrows: right '$(right)' down '$(down)' left '$(left)' up '$(up)'"
fi

# One click on the right arrow: the grid moves left, the left arrow opens.
BEFORE=$SHOT
read -r _ RX RY <<<"$(right)"
xdotool mousemove $((RX + 2)) "$RY" click 1
shot
DIFF=$(compare -metric AE -crop $((W - CX - 80))x$((H - CY))+$((CX + 80))+"$CY" \
    "$BEFORE" "$SHOT" null: 2>&1 || true)
if ((${DIFF%% *} > 1000)) && open_arrow left; then
    pass "the right arrow scrolled the grid ($DIFF pixels differ), the left arrow opened"
else
    fail "the right arrow did not scroll ($DIFF pixels differ, left '$(left)')"
fi

# Clicks until the right arrow closes: the bound is reached and kept.
CLICKS=1
while open_arrow right && ((CLICKS < 30)); do
    read -r _ RX RY <<<"$(right)"
    xdotool mousemove $((RX + 2)) "$RY" click 1
    CLICKS=$((CLICKS + 1))
    shot
done
if ! open_arrow right && open_arrow left; then
    pass "after $CLICKS clicks the right arrow closed at the bound"
else
    fail "no bound after $CLICKS clicks"
fi

# The down arrow: the grid moves up, the up arrow opens.
read -r _ DX DY <<<"$(down)"
xdotool mousemove "$DX" $((DY + 2)) click 1
shot
if open_arrow up; then pass "the down arrow scrolled, the up arrow opened"; else fail "up arrow: '$(up)'"; fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
