#!/usr/bin/env bash
# End-to-end scenario of the window's size under Xvfb (1280 x 1024), started
# without a parameter file: the window opens much larger than at the
# smallest cell size and inside the screen, the grid's contour keeps clear of
# the window's edge; on a bare X server a resize to a small window makes the
# grid smaller (down to 70 pixels, the largest usual size); under openbox a maximise (a key bound for the
# scenario) makes the grid larger, still inside the screen. Before those, a
# move off the screen's bottom-right corner and back is followed.
#
# Usage: vora_taille_e2e.sh <build-dir>
# The variables of vora_common.sh apply (VORA_GAME_CMD, VORA_PLAN_CMD,
# VORA_E2E_TIMEOUT, VORA_E2E_KEEP, VORA_E2E_WM, VORA_E2E_DISPLAYS).
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1)
SCREEN=1280x1024
START_PARAMS=
OPENBOX_KEYS='<keybind key="W-Up"><action name="Maximize"/></keybind>'
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
W=${SCREEN%x*}
H=${SCREEN#*x}

# The window's rectangle on the screen: x y width height.
rectangle() {
    xdotool getwindowgeometry "$WINDOW" |
        sed -nE 's/.*Position: ([-0-9]+),([-0-9]+).*/\1 \2/p; s/.*Geometry: ([0-9]+)x([0-9]+).*/\1 \2/p' |
        tr '\n' ' '
}
# The box around the grid's blue contour in the last screenshot, right of
# the button column: x y width height on the screen.
contour() {
    local box
    box=$(convert "$SHOT" -crop $((W - CX - 90))x"$H"+$((CX + 90))+0 +repage -fuzz 25% \
        -fill black +opaque '#0000FF' -format '%@' info:)
    if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
        echo "$((BASH_REMATCH[3] + CX + 90)) ${BASH_REMATCH[4]} ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
    else
        echo "0 0 0 0"
    fi
}
inside() { (($1 >= 0 && $2 >= 0 && $1 + $3 <= W && $2 + $4 <= H)); }

# At the smallest size grid 1's window is 272 x 538 (its height the button
# column's).
read -r WX WY WW WH _ <<<"$(rectangle)"
shot
read -r BX BY BW BH <<<"$(contour)"
if ((WW > 2 * 272 && WH > 600)) && inside "$WX" "$WY" "$WW" "$WH"; then
    pass "a fresh start opens at ${WW} x ${WH}, inside the screen"
else
    fail "a fresh start opens at ${WW} x ${WH} at ${WX}, ${WY}"
fi
if ((BX + BW + 8 <= WX + WW && BY >= WY + 8 && BY + BH + 8 <= WY + WH)); then
    pass "the contour ($BW x $BH at $BX, $BY) keeps clear of the window's edges"
else
    fail "the contour ($BW x $BH at $BX, $BY) touches the window ($WW x $WH at $WX, $WY)"
fi

# Moved by the window manager (or the X server) off the screen's
# bottom-right corner, the explanation of the arrows answered, then back
# where it started: the picture is the start's again (no arrow left
# painted), and "+" then "-" keep the window there.
FIRST=$SHOT
xdotool windowmove "$WINDOW" $((W - 300)) $((H - 300))
settle
if wait_for box_open; then
    pass "off the corner the grid overflows: its arrows are explained"
else
    fail "off the corner no box explains the arrows"
fi
boxkey Return
xdotool windowmove "$WINDOW" "$WX" "$WY"
shot
AE=$(compare -metric AE -crop "${WW}x${WH}+${WX}+${WY}" "$FIRST" "$SHOT" null: 2>&1 || true)
if ((${AE%% *} < 200)); then
    pass "moved off the corner and back, the window looks as at the start ($AE pixels differ)"
else
    fail "moved off the corner and back, $AE pixels differ from the start"
fi
for k in KP_Add KP_Subtract; do
    key "$k"
    read -r KX KY _ <<<"$(rectangle)"
    if ((KX == WX && KY == WY)); then
        pass "$k keeps the moved window where it is"
    else
        fail "$k moves the window from $WX, $WY to $KX, $KY"
    fi
done

if [[ $WM == bare ]]; then
    # A resize to a window smaller than the button column: 70 pixels, the
    # largest of the usual sizes (grid 1's window is then about 410 x 538).
    xdotool windowsize "$WINDOW" 400 400
    sleep 1.5
    read -r _ _ SW SH _ <<<"$(rectangle)"
    if ((SW < WW && SW < 450 && SH < WH && SH < 560)); then
        pass "a resize to 400 x 400 makes the grid smaller ($SW x $SH)"
    else
        fail "after a resize to 400 x 400 the window is $SW x $SH"
    fi
else
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool key super+Up
    sleep 1.5
    shot
    read -r MX MY MW MH _ <<<"$(rectangle)"
    read -r CBX CBY CBW CBH <<<"$(contour)"
    if ((CBH * 10 > BH * 12)) && inside "$MX" "$MY" "$MW" "$MH"; then
        pass "a maximise makes the grid larger ($BW x $BH, then $CBW x $CBH)"
    else
        fail "after a maximise the grid is $CBW x $CBH (before $BW x $BH), the window $MW x $MH at $MX, $MY"
    fi
    if ((CBY + CBH + 4 <= H && CBX + CBW + 4 <= W)); then
        pass "the maximised grid stays on the screen"
    else
        fail "the maximised grid ($CBW x $CBH at $CBX, $CBY) leaves the screen"
    fi
fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
