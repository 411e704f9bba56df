#!/usr/bin/env bash
# End-to-end scenario of the game under Xvfb, driven with xdotool and checked
# on screenshots: load grid 2 through its question, choose a value on the
# selector and enter it, choose one with the keyboard and enter it, undo,
# redo, then leave through "X" and its question.
#
# Usage: vora_e2e.sh <build-dir>
# VORA_GAME_CMD overrides the command that starts the game (for instance
# "wine /path/vora.exe"); VORA_PLAN_CMD the one that prints the positions.
# The game runs in a scratch directory (its parameter file lands there).
# VORA_E2E_TIMEOUT (seconds, default 20) bounds each wait; VORA_E2E_KEEP=1
# keeps the scratch directory and its screenshots.
set -euo pipefail

BUILD=$(cd "${1:?usage: $0 <build-dir>}" && pwd)
read -r -a GAME_CMD <<<"${VORA_GAME_CMD:-$BUILD/shell/vora}"
read -r -a PLAN_CMD <<<"${VORA_PLAN_CMD:-$BUILD/tests/voraplan}"
TIMEOUT=${VORA_E2E_TIMEOUT:-20}
WORK=$(mktemp -d /tmp/vora_e2e.XXXXXX)
FAILURES=0
XVFB_PID=
GAME_PID=

cleanup() {
    set +e
    if [[ -n $GAME_PID ]]; then
        kill "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [[ ${VORA_E2E_KEEP:-0} == 1 || $FAILURES -gt 0 ]]; then
        echo "screenshots kept in $WORK"
    else
        rm -rf "$WORK"
    fi
    return 0
}
trap cleanup EXIT

pass() { echo "PASS: $*"; }
fail() {
    echo "FAIL: $*"
    FAILURES=$((FAILURES + 1))
}
wait_for() {
    local end=$((SECONDS + TIMEOUT))
    until "$@" 2>/dev/null; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# Positions (client pixels) of two cells with their values, the selector's
# triangles and the buttons.
"${PLAN_CMD[@]}" 2 | tr -d '\r' >"$WORK/plan.txt"
pos() { grep "^$1 " "$WORK/plan.txt" | cut -d' ' -f2-; }
read -r AX AY AV <<<"$(pos A)"
read -r BX BY BV <<<"$(pos B)"

DISPLAY_NUMBER=$((200 + RANDOM % 100))
while [[ -e /tmp/.X11-unix/X$DISPLAY_NUMBER || -e /tmp/.X$DISPLAY_NUMBER-lock ]]; do
    DISPLAY_NUMBER=$((200 + RANDOM % 100))
done
export DISPLAY=:$DISPLAY_NUMBER
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
wait_for xdpyinfo >/dev/null || {
    fail "Xvfb did not start"
    exit 1
}

cd "$WORK"
"${GAME_CMD[@]}" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
WINDOW=
find_window() { WINDOW=$(xdotool search --onlyvisible --name '^V-O-RA' | head -1) && [[ -n $WINDOW ]]; }
wait_for find_window || {
    fail "the game's window did not appear"
    exit 1
}
sleep 1
N=0
shot() {
    N=$((N + 1))
    SHOT=$WORK/shot$N.png
    sleep 0.6
    import -window root "$SHOT"
}
# Magenta pixels (the player's digits, antialiased: red and blue high, green
# low) in the square of half-side 9 around a screen point of the last
# screenshot.
count() {
    convert "$SHOT" -crop 19x19+$(($2 - 9))+$(($3 - 9)) -depth 8 txt:- |
        sed -nE 's/.*#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2}).*/\1 \2 \3/p' |
        while read -r r g b; do
            if ((16#$r > 0xB0 && 16#$g < 0x80 && 16#$b > 0xB0)); then echo; fi
        done | wc -l
}

# The client area's origin: the button column's cyan frame starts at client
# x 30, y 0.
shot
read -r CX CY <<<"$(convert "$SHOT" -crop 700x700+0+0 txt:- | grep -m1 '#00FFFF' |
    sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
if [[ -z ${CX:-} ]]; then
    fail "no button column on the screen"
    exit 1
fi
CX=$((CX - 30))
click() {
    xdotool mousemove $((CX + $1)) $((CY + $2)) click 1
    sleep 0.3
}
key() {
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool key "$@"
    sleep 0.6
}
# A key for the message box that is open (the newest window of the title).
boxkey() {
    local box
    box=$(xdotool search --onlyvisible --name '^V-O-RA' | grep -vx "$WINDOW" | tail -1)
    if [[ -n $box ]]; then xdotool windowfocus --sync "$box" 2>/dev/null || true; fi
    xdotool key "$@"
    sleep 0.6
}

# Grid 2 through its question (Enter: yes).
read -r GX GY <<<"$(pos GR2)"
click "$GX" "$GY"
sleep 0.5
boxkey Return
shot
if (($(count m $((CX + AX)) $((CY + AY))) == 0)); then pass "grid 2 loaded, cell A empty"; else fail "cell A not empty after loading"; fi

# Value AV from the selector, entered in A.
read -r TX TY <<<"$(pos "T$AV")"
click "$TX" "$TY"
click "$AX" "$AY"
shot
if (($(count m $((CX + AX)) $((CY + AY))) > 5)); then pass "selector value $AV entered in A"; else fail "no magenta digit in A"; fi

# Value BV with the keyboard, entered in B.
key "$BV"
sleep 0.4
click "$BX" "$BY"
shot
if (($(count m $((CX + BX)) $((CY + BY))) > 5)); then pass "key $BV entered in B"; else fail "no magenta digit in B"; fi

# Undo ("<" at 47, 260) empties B; redo (">" at 62, 260) fills it again.
click 47 260
shot
if (($(count m $((CX + BX)) $((CY + BY))) == 0)); then pass "undo emptied B"; else fail "B still filled after undo"; fi
click 62 260
shot
if (($(count m $((CX + BX)) $((CY + BY))) > 5)); then pass "redo filled B"; else fail "B empty after redo"; fi

# "X", then yes (the letter of "Oui") to its question: the game ends.
read -r XX XY <<<"$(pos X)"
click "$XX" "$XY"
sleep 0.5
shot
boxkey o
if wait_for bash -c "! kill -0 $GAME_PID"; then
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
    pass "left through X and its question"
else
    fail "the game did not end after X"
fi

((FAILURES == 0)) || exit 1
echo "all steps passed"
