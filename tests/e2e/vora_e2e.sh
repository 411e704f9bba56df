#!/usr/bin/env bash
# End-to-end scenario of the game under Xvfb, driven with xdotool and checked
# on screenshots: the window carries the program's icon; load grid 2 through
# its question, choose a value on the selector and enter it, choose one with
# the keyboard and enter it, undo, redo, open the rules pages with "?", page
# on with ">", come back with "R" (entries and undo history kept: an undo
# empties B again), stay idle for ten seconds (the CPU time it costs is
# bounded), then leave through "X" and its question.
#
# Usage: vora_e2e.sh <build-dir>
# VORA_GAME_CMD overrides the command that starts the game (for instance
# "wine /path/vora.exe"); VORA_PLAN_CMD the one that prints the positions.
# The game runs in a scratch directory (its parameter file lands there).
# VORA_E2E_TIMEOUT (seconds, default 40) bounds each wait; VORA_E2E_KEEP=1
# keeps the scratch directory and its screenshots.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(2)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"

# Two cells with their values, the selector's triangles and the buttons.
read -r AX AY AV <<<"$(pos A)"
read -r BX BY BV <<<"$(pos B)"

# The window carries the program's icon for the window manager
# (_NET_WM_ICON: width, height, then the pixels).
if xprop -id "$WINDOW" -notype 32c _NET_WM_ICON 2>/dev/null | grep -Eq '= [1-9][0-9]*, [1-9]'; then
    pass "the window has the program's icon"
else
    fail "no icon on the window (_NET_WM_ICON)"
fi

# Grid 2 through its question (Enter: yes).
read -r GX GY <<<"$(pos GR2)"
click "$GX" "$GY"
settle
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
settle
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

# "?" (client 55, 190): page 1 over the whole 800 x 600 client area, no
# button column; ">" (745, 545): page 2; "R" (45, 505): the grid as it was.
cyan() {
    convert "$SHOT" -crop 50x480+$((CX + 30))+$((CY + 5)) -depth 8 txt:- | grep -c '#00FFFF' || true
}
page() { convert "$SHOT" -crop 800x600+"$CX"+"$CY" +repage "$WORK/page$1.png"; }
click 55 190
shot
page 1
if (($(cyan) == 0)); then pass "\"?\" shows the rules page"; else fail "the column is still shown after \"?\""; fi
click 745 545
shot
page 2
DIFF=$(compare -metric AE "$WORK/page1.png" "$WORK/page2.png" null: 2>&1 || true)
if ((${DIFF%% *} > 10000)); then pass "\">\" turns to page 2 ($DIFF pixels differ)"; else fail "page 2 looks like page 1 ($DIFF)"; fi
click 45 505
shot
if (($(cyan) > 1000 && $(count m $((CX + BX)) $((CY + BY))) > 5)); then
    pass "\"R\" returns to the grid with B filled"
else
    fail "\"R\" did not bring the grid back as it was"
fi
click 47 260
shot
if (($(count m $((CX + BX)) $((CY + BY))) == 0)); then pass "undo after the rules emptied B"; else fail "B still filled after undo following the rules"; fi

# Idle with the game open and its 200 ms timer running: under 1 % of one core
# over ten seconds, that is under a tenth of a second of CPU time.
if [[ -r /proc/$GAME_PID/stat ]]; then
    cpu_ticks() { awk '{print $14 + $15}' "/proc/$GAME_PID/stat"; }
    sleep 1
    START=$(cpu_ticks)
    sleep 10
    USED=$(($(cpu_ticks) - START))
    HZ=$(getconf CLK_TCK)
    if ((USED * 10 < HZ)); then
        pass "idle: $USED of $((HZ / 10)) allowed CPU ticks in 10 s"
    else
        fail "idle used $USED CPU ticks in 10 s (limit $((HZ / 10)))"
    fi
else
    fail "cannot read /proc/$GAME_PID/stat for the idle check"
fi

# "X", then yes to its question: the game ends.
read -r XX XY <<<"$(pos X)"
click "$XX" "$XY"
check_quit

((FAILURES == 0)) || exit 1
echo "all steps passed"
