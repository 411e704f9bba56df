#!/usr/bin/env bash
# End-to-end scenario of the parameter file under Xvfb, on screenshots: the
# chronometer box advances; a click on the level text asks and changes the
# level; a value entered and "S" write the file; the game closed and started
# again in the same directory shows the same grid, entries, level and time;
# a value entered after that save and kept by quitting through "X" (yes)
# shows at the next start; the session's end (SIGTERM) saves without a
# question; a second copy started in the same directory shows its box and
# ends, the file and the first copy untouched; a game killed outright leaves
# no lock behind; a damaged file is kept aside under a new name, the player is
# told once, and the game starts with its defaults; a save into a directory
# that cannot be written shows the failure box, keeps the old file, and the
# game goes on.
#
# Usage: vora_param_e2e.sh <build-dir>
# VORA_GAME_CMD, VORA_PLAN_CMD, VORA_E2E_TIMEOUT and VORA_E2E_KEEP as for
# vora_e2e.sh.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
PLAN_ARGS=(1)
# shellcheck source=tests/e2e/vora_common.sh
source "$(dirname "$0")/vora_common.sh"
FILE="$WORK/V-O-RA 110.TXT"

read -r AX AY AV <<<"$(pos A)"
read -r BX BY BV <<<"$(pos B)"
read -r SX SY <<<"$(pos S)"
read -r NX NY <<<"$(pos NIV)"
read -r KX KY KW KH <<<"$(pos CHRONO)"
read -r QX QY <<<"$(pos X)"

# Crops of the last screenshot, in client coordinates: the chronometer's
# text, the level text, the grid (right of the button column).
crop() { convert "$SHOT" -crop "$3x$4+$((CX + $1))+$((CY + $2))" +repage "$5"; }
chrono() { crop "$KX" "$KY" "$KW" "$KH" "$1"; }
level() { crop $((NX - 25)) $((NY - 8)) 50 16 "$1"; }
grid() { crop 90 0 400 300 "$1"; }
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1 || true) == 0 ]]; }
# The open boxes beside the main window.
boxes() { xdotool search --onlyvisible --name '^V-O-RA' | grep -vxc "$WINDOW" || true; }
noboxes() { (($(boxes) == 0)); }
# Yes to the open question, in either language; then the box is gone.
yes() {
    boxkey o
    if (($(boxes) > 0)); then boxkey y; fi
    wait_for noboxes || true
}
quit_game() {
    click "$QX" "$QY"
    settle
    yes
    if wait_for bash -c "! kill -0 $GAME_PID"; then
        wait "$GAME_PID" 2>/dev/null || true
        GAME_PID=
        return 0
    fi
    return 1
}
# Start the game (with START_PREFIX before its command, if set); then find
# its main window and its client area.
launch_game() {
    ${START_PREFIX:-} "${GAME_CMD[@]}" >>"$WORK/game.log" 2>&1 &
    GAME_PID=$!
}
start_game() {
    launch_game
    attach_game
}
attach_game() {
    sleep 1
    wait_for find_window || return 1
    settle
    shot
    read -r CX CY <<<"$(convert "$SHOT" -crop 700x700+0+0 txt:- | grep -m1 '#00FFFF' |
        sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
    [[ -n ${CX:-} ]] || return 1
    CX=$((CX - 30))
}
# The chronometer advances.
level "$WORK/level-default.png"
chrono "$WORK/chrono1.png"
sleep 2.5
shot
chrono "$WORK/chrono2.png"
if ! same "$WORK/chrono1.png" "$WORK/chrono2.png"; then pass "the chronometer advances"; else fail "the chronometer text did not change in 2.5 s"; fi

# The level text: on a grid holding no entry a left click changes the level
# shown at once, with no question (nothing would be lost).
click "$NX" "$NY"
settle
if (($(boxes) == 0)); then
    pass "an untouched grid's level changes without a question"
else
    fail "a level question on an untouched grid"
    yes
fi
shot
level "$WORK/level-chosen.png"
if ! same "$WORK/level-default.png" "$WORK/level-chosen.png"; then pass "the level changed"; else fail "the level text did not change"; fi

# A value entered in A, then "S" (Enter: yes).
read -r TX TY <<<"$(pos "T$AV")"
click "$TX" "$TY"
click "$AX" "$AY"
sleep 3
click "$SX" "$SY"
settle
boxkey Return
if wait_for grep -q "gv1:A=" "$FILE"; then pass "\"S\" wrote the file"; else fail "no state in the file after \"S\""; fi
grep -q "^niv1=" "$FILE" && pass "the level is in the file" || fail "no niv1 line in the file"
SAVED_TPS=$(sed -nE 's/^tps1=([0-9]+).*/\1/p' "$FILE")
if [[ -n $SAVED_TPS && $SAVED_TPS -ge 2 ]]; then pass "the time is in the file ($SAVED_TPS s)"; else fail "tps1 missing or too small: ${SAVED_TPS:-none}"; fi
shot
grid "$WORK/grid-saved.png"
level "$WORK/level-saved.png"
cp "$FILE" "$WORK/good.txt"
quit_game && pass "closed through X" || fail "the game did not end"

# Started again in the same directory: same grid, entries, level, and a time
# that goes on from the saved one (a new save shows at least as much).
start_game || fail "the game did not start again"
grid "$WORK/grid-again.png"
level "$WORK/level-again.png"
if same "$WORK/grid-saved.png" "$WORK/grid-again.png"; then pass "the same grid and entries after a restart"; else fail "the grid differs after a restart"; fi
if same "$WORK/level-saved.png" "$WORK/level-again.png"; then pass "the same level after a restart"; else fail "the level differs after a restart"; fi
if (($(count m $((CX + AX)) $((CY + AY))) > 5)); then pass "the entry in A is back"; else fail "no magenta digit in A after a restart"; fi

# A second copy in the same directory: its box (no window of its own), then
# it ends on its own, having written nothing; the first copy plays and saves
# on.
cp "$FILE" "$WORK/before-second.txt"
"${GAME_CMD[@]}" >>"$WORK/game2.log" 2>&1 &
SECOND_PID=$!
if wait_for box_open; then
    shot
    cp "$SHOT" "$WORK/second-copy-box.png"
    pass "a second copy shows its box"
else
    fail "no box from the second copy"
fi
boxkey Return
if wait_for bash -c "! kill -0 $SECOND_PID"; then
    SECOND_STATUS=0
    wait "$SECOND_PID" || SECOND_STATUS=$?
    pass "the second copy ends by itself (status $SECOND_STATUS)"
else
    kill "$SECOND_PID" 2>/dev/null || true
    fail "the second copy goes on"
fi
cmp -s "$WORK/before-second.txt" "$FILE" && pass "the second copy wrote nothing" ||
    fail "the second copy changed the file"
if kill -0 "$GAME_PID" 2>/dev/null && noboxes; then pass "the first copy goes on"; else fail "the first copy is gone or a box stays"; fi
click "$SX" "$SY"
settle
boxkey Return
settle
NEW_TPS=$(sed -nE 's/^tps1=([0-9]+).*/\1/p' "$FILE")
if [[ -n $NEW_TPS && $NEW_TPS -ge $SAVED_TPS ]]; then pass "the time goes on from the saved one ($SAVED_TPS s, then $NEW_TPS s)"; else fail "the time restarted: $SAVED_TPS s saved, ${NEW_TPS:-none} s after"; fi

# A value entered in B after that save, then "X" answered yes: the play is
# kept, and the next start shows it.
read -r TX TY <<<"$(pos "T$BV")"
click "$TX" "$TY"
click "$BX" "$BY"
settle
shot
if (($(count m $((CX + BX)) $((CY + BY))) > 5)); then pass "the entry in B shows"; else fail "no magenta digit in B"; fi
quit_game && pass "closed through X, yes" || fail "the game did not end"
start_game || fail "the game did not start again"
if (($(count m $((CX + BX)) $((CY + BY))) > 5)); then pass "the entry in B, made after the last \"S\", is kept by quitting"; else fail "the entry in B was lost at quitting"; fi
if (($(count m $((CX + AX)) $((CY + AY))) > 5)); then pass "the entry in A is still there"; else fail "no magenta digit in A after quitting"; fi
cp "$SHOT" "$WORK/kept-at-quit.png"

# The session ends (SIGTERM) after B is erased: the game saves without a
# question and ends; the next start shows B empty. (Under Wine the session's
# end is Windows' own message, which a signal does not give.)
if [[ -z ${VORA_WINESERVER:-} ]]; then
    read -r TX TY <<<"$(pos "T$BV")"
    click "$TX" "$TY"
    click "$BX" "$BY"
    settle
    kill -TERM "$GAME_PID"
    if wait_for bash -c "! kill -0 $GAME_PID"; then
        status=0
        wait "$GAME_PID" 2>/dev/null || status=$?
        GAME_PID=
        if ((status == 0)); then pass "the session's end closes the game"; else fail "the game ended with status $status at the session's end"; fi
    else
        fail "the game did not end at the session's end"
    fi
    start_game || fail "the game did not start again"
    if (($(count m $((CX + BX)) $((CY + BY))) == 0)); then pass "the erasure of B was saved at the session's end"; else fail "B shows again: the session's end did not save"; fi
    quit_game || fail "the game did not end"
else
    quit_game || fail "the game did not end"
fi

start_game || fail "the game did not start again"
# Killed outright: the next start finds no lock left behind (it shows the
# damaged file's box below, not the second copy's, and goes on).
kill -9 "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=

# A damaged file: kept aside under a new name, the player told, and the game
# starts on grid 1 with its defaults.
{
    printf 'ver=3.6\r\ngri=77777777777777777777\r\ntca=-5\r\nniv1=99\r\ngv1:A=ZZZ\x01\xff\r\n'
    head -c 3000 /dev/urandom
    printf '\r\nlng=\0\r\n'
} >"$FILE"
cp "$FILE" "$WORK/damaged.bin"
ASIDE="$WORK/V-O-RA 110.damaged-1.TXT"
launch_game
WINDOW=none
if wait_for box_open; then
    shot
    cp "$SHOT" "$WORK/damaged-box.png"
    pass "a damaged file is told at start-up"
else
    fail "no box for a damaged file"
fi
boxkey Return
attach_game || fail "the game did not start on a damaged file"
if cmp -s "$WORK/damaged.bin" "$ASIDE" && [[ ! -e $FILE ]]; then pass "the damaged file is kept aside whole"; else fail "the damaged file is not kept aside as $ASIDE"; fi
grid "$WORK/grid-damaged.png"
level "$WORK/level-damaged.png"
if same "$WORK/level-default.png" "$WORK/level-damaged.png"; then pass "a damaged file gives the default level"; else fail "the level is not the default one"; fi
if (($(count m $((CX + AX)) $((CY + AY))) == 0)); then pass "a damaged file gives an empty grid"; else fail "an entry shows from a damaged file"; fi
quit_game || fail "the game did not end"

# Told once: the next start shows no box.
start_game || fail "the game did not start after a damaged file"
noboxes && pass "the damaged file is told once" || fail "a box at the start after the damaged one"
quit_game || fail "the game did not end"

# A directory that cannot be written: the failure box, the old file whole,
# and the game goes on. (An administrator writes into a read-only directory:
# the game then runs without the capabilities that allow it.)
cp "$WORK/good.txt" "$FILE"
chmod a-w "$WORK"
if (($(id -u) == 0)); then
    START_PREFIX="setpriv --inh-caps=-all --bounding-set=-dac_override,-dac_read_search,-fowner"
    # Wine's server opens the files: the game's own starts with it.
    if [[ -n ${VORA_WINESERVER:-} ]]; then
        timeout 30 "$VORA_WINESERVER" -k >/dev/null 2>&1 || true
        timeout 30 "$VORA_WINESERVER" -w >/dev/null 2>&1 || true
    fi
fi
start_game || fail "the game did not start in a read-only directory"
START_PREFIX=
click "$SX" "$SY"
settle
boxkey Return
settle
shot
cp "$SHOT" "$WORK/failure-box.png" 2>/dev/null || true
if (($(boxes) > 0)); then pass "the save failure is told"; else fail "no box after a failed save"; fi
boxkey Return
wait_for noboxes || true
chmod u+w "$WORK"
if cmp -s "$WORK/good.txt" "$FILE"; then pass "the old file is whole"; else fail "the old file changed"; fi
if kill -0 "$GAME_PID" 2>/dev/null && (($(boxes) == 0)); then pass "the game goes on"; else fail "the game is gone or a box stays open"; fi
click "$NX" "$NY"
settle
yes
shot
if (($(count m $((CX + AX)) $((CY + AY))) == 0)); then pass "the game still plays (a level change emptied A)"; else fail "the game does not respond after the failure"; fi
# The directory writable again: quitting saves.
quit_game || fail "the game did not end"

((FAILURES == 0)) || exit 1
echo "all steps passed"
