#!/usr/bin/env bash
# End-to-end scenario of the language under Xvfb, on screenshots: a first
# start (no parameter file) takes the desktop's language, English under
# LANG=en_US.UTF-8 and French under LANG=fr_FR.UTF-8, its quit box answering
# Y or O only; a game started on a parameter file with grid 1's time past an
# hour shows the level text and the chronometer in French; "FR/EN" changes
# both (English labels) without a box and changes them back; "I" opens its
# first page and Escape ends the sequence there; the rules pages are left
# with Escape.
#
# Usage: vora_langue_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
FILE="$WORK/V-O-RA 110.TXT"

read -r NX NY <<<"$(pos NIV)"
read -r KX KY KW KH <<<"$(pos CHRONO)"
read -r QX QY <<<"$(pos X)"
# "FR/EN", "I" and "?" in client coordinates (the button column's rows).
LX=55 LY=30 IX=55 IY=210 RX=55 RY=190

crop() { convert "$SHOT" -crop "$3x$4+$((CX + $1))+$((CY + $2))" +repage "$5"; }
chrono() { crop "$KX" "$KY" "$KW" "$KH" "$1"; }
level() { crop $((NX - 25)) $((NY - 8)) 50 16 "$1"; }
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1 || true) == 0 ]]; }
boxes() { xdotool search --onlyvisible --name '^V-O-RA' | grep -vxc "$WINDOW" || true; }
noboxes() { (($(boxes) == 0)); }
quit_game() {
    click "$QX" "$QY"
    settle
    boxkey o
    if (($(boxes) > 0)); then boxkey y; fi
    if wait_for bash -c "! kill -0 $GAME_PID"; then
        wait "$GAME_PID" 2>/dev/null || true
        GAME_PID=
        return 0
    fi
    return 1
}
start_game() {
    "${GAME_CMD[@]}" >>"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    sleep 1
    wait_for find_window || return 1
    settle
    shot
    read -r CX CY <<<"$(convert "$SHOT" -crop 700x700+0+0 txt:- | grep -m1 '#00FFFF' |
        sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
    [[ -n ${CX:-} ]] || return 1
    CX=$((CX - 30))
}
# "FR/EN": the language changes at once, no box opens.
toggle() {
    click "$LX" "$LY"
    settle
    if noboxes; then pass "FR/EN opens no box"; else fail "FR/EN opened a box"; boxkey Return; fi
    shot
}
# A first start under the locale $1: X's box answers the other language's
# yes (key $3) with nothing and its own (key $2) by saving and leaving; the
# file then keeps the language (lng=$4).
first_start() {
    rm -f "$FILE"
    local game=("${GAME_CMD[@]}") started=0
    GAME_CMD=(env -u LC_ALL -u LC_MESSAGES "LANG=$1" "${game[@]}")
    start_game && started=1
    GAME_CMD=("${game[@]}")
    ((started)) || {
        fail "the game did not start without a parameter file under $1"
        return
    }
    key x
    if wait_for box_open; then
        settle 0.2
        xdotool windowfocus --sync "$BOX" 2>/dev/null || true
        xdotool key "$3"
        settle
    fi
    if (($(boxes) > 0)); then pass "under $1 \"$3\" does not answer the box"; else fail "under $1 \"$3\" answered the box"; fi
    boxkey "$2"
    if wait_for bash -c "! kill -0 $GAME_PID"; then
        wait "$GAME_PID" 2>/dev/null || true
        GAME_PID=
    else
        fail "under $1 \"$2\" did not answer the box"
        kill "$GAME_PID"
        wait "$GAME_PID" 2>/dev/null || true
        GAME_PID=
        return
    fi
    if grep -q "^lng=$4"$'\r'"\$" "$FILE"; then pass "a first start under $1 is in its language"; else fail "a first start under $1 saved $(grep -a '^lng' "$FILE" | tr -d '\r')"; fi
}

# Grid 1 at 1 h 02 min: no seconds shown, so the chronometer's text stays put
# for a minute.
quit_game || fail "the first game did not end"
first_start en_US.UTF-8 y o 2
first_start fr_FR.UTF-8 o y 1
printf 'ver=3.6\r\nlng=1\r\ngri=1\r\ntps1=3725\r\n' >"$FILE"
start_game || {
    fail "the game did not start on the prepared file"
    exit 1
}
level "$WORK/level-fr.png"
chrono "$WORK/chrono-fr.png"
cp "$SHOT" "$WORK/game-fr.png"

toggle
level "$WORK/level-en.png"
chrono "$WORK/chrono-en.png"
cp "$SHOT" "$WORK/game-en.png"
if ! same "$WORK/level-fr.png" "$WORK/level-en.png"; then pass "the level text changes with the language"; else fail "the level text stays the same in English"; fi
if ! same "$WORK/chrono-fr.png" "$WORK/chrono-en.png"; then pass "the chronometer's units change with the language"; else fail "the chronometer text stays the same in English"; fi

# "I" in English: its first page, then Escape (Cancel) ends the sequence.
click "$IX" "$IY"
settle
if wait_for box_open; then
    shot
    cp "$SHOT" "$WORK/information-en.png"
    boxkey Escape
    settle
    if noboxes; then pass "Escape ends the information sequence on its first page"; else fail "a box stays open after Escape"; fi
else
    fail "\"I\" opened no box"
fi

# The rules pages, left with Escape.
click "$RX" "$RY"
settle
shot
cp "$SHOT" "$WORK/rules-en.png"
key Next
key Escape
shot
level "$WORK/level-en-again.png"
if same "$WORK/level-en.png" "$WORK/level-en-again.png"; then pass "Escape gives the grid back from the rules pages"; else fail "no grid after Escape on the rules pages"; fi

toggle
level "$WORK/level-fr-again.png"
chrono "$WORK/chrono-fr-again.png"
if same "$WORK/level-fr.png" "$WORK/level-fr-again.png"; then pass "the French level text is back"; else fail "the level text differs back in French"; fi
if same "$WORK/chrono-fr.png" "$WORK/chrono-fr-again.png"; then pass "the French chronometer text is back"; else fail "the chronometer text differs back in French"; fi
quit_game || fail "the game did not end"

((FAILURES == 0)) || exit 1
echo "all steps passed"
