#!/usr/bin/env bash
# Soak of the running game: the sanitizer build's executable under Xvfb, fed
# random left and right clicks anywhere in its window, random keys, drags,
# button commands (grids, cell sizes, rules pages, saves, language, undo and
# redo, ...) and random answers to every message box, for a given time. It
# passes when no instance crashed or wrote a sanitizer report, when the
# resident memory of each long-lived instance grew by at most a bound after
# its warm-up, and when a fresh start reads the last saved parameter file back
# with every grid it holds (its own save is the same file).
#
# Usage: vora_soak.sh <sanitizer-build-dir> [seconds] [seed]
#   seconds: 600 unless VORA_SOAK_SECONDS says otherwise
#   seed:    of the random actions; 17 unless VORA_SOAK_SEED says otherwise
# VORA_SOAK_GROWTH_KB (default 16384) is the bound on the growth of the
# resident memory of every instance that lived at least a quarter of the run
# and 40 s, at equal window size after its warm-up (see below).
# VORA_SOAK_KEEP=1 keeps the scratch directory.
# A quit answered "yes" is part of the game: the exit status must be 0 and the
# log clean, and the game is started again in the same directory.
set -uo pipefail

BUILD=$(cd "${1:?usage: $0 <sanitizer-build-dir> [seconds] [seed]}" && pwd)
DURATION=${2:-${VORA_SOAK_SECONDS:-600}}
SEED=${3:-${VORA_SOAK_SEED:-17}}
GROWTH_KB=${VORA_SOAK_GROWTH_KB:-16384}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
GAME=$BUILD/shell/vora
WORK=$(mktemp -d /tmp/vora_soak.XXXXXX)
PARAM="$WORK/V-O-RA 110.TXT"
# The data folder is the scratch directory (through a link): the parameter
# file is $PARAM from the first start on.
mkdir "$WORK/data" && ln -s "$WORK" "$WORK/data/vora"
export XDG_DATA_HOME=$WORK/data
FAILURES=0
XVFB_PID=
GAME_PID=
INSTANCE=0
MAIN=
RANDOM=$SEED
echo "soak: ${DURATION} s, seed $SEED, game $GAME, scratch $WORK"

# The leak checker runs when the game quits; the quarantine of freed blocks is
# kept small (16 MB) so that the resident memory measures the game, not it.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=16
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp

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
    if [[ ${VORA_SOAK_KEEP:-0} == 1 || $FAILURES -gt 0 ]]; then
        echo "scratch directory kept: $WORK"
    else
        rm -rf "$WORK"
    fi
    return 0
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    FAILURES=$((FAILURES + 1))
}
wait_for() {
    local end=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# A display of our own: when another run takes the same number between the
# check and the start, our Xvfb exits at once, and another number is tried.
start_xvfb() {
    for _ in 1 2 3 4 5; do
        local n=$((200 + RANDOM % 100))
        while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((200 + RANDOM % 100)); done
        export DISPLAY=:$n
        Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        if wait_for 20 xdpyinfo >/dev/null && sleep 0.5 && kill -0 "$XVFB_PID" 2>/dev/null; then
            return 0
        fi
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    done
    return 1
}
start_xvfb || {
    fail "Xvfb did not start"
    exit 1
}
cd "$WORK" || exit 1

windows() { xdotool search --onlyvisible --name '^V-O-RA' 2>/dev/null; }
some_window() { [[ -n $(windows) ]]; }
some_box() { windows | grep -qvx "$MAIN"; }
game_gone() { ! kill -0 "$GAME_PID"; }
geometry() { # x y width height of a window
    xdotool getwindowgeometry "$1" 2>/dev/null |
        sed -n 's/.*Position: \(-*[0-9]*\),\(-*[0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
        tr '\n' ' '
}
area() {
    local g
    read -r -a g <<<"$(geometry "$1")"
    echo $((${g[2]:-0} * ${g[3]:-0}))
}
# The main window: once the start is over (a splash window may show first),
# the one window of the game that stays; if two stay, the larger.
find_main() {
    local end=$((SECONDS + 20)) w
    MAIN=
    wait_for 40 some_window || return 1
    while ((SECONDS < end)); do
        mapfile -t w < <(windows)
        if ((${#w[@]} == 1)); then
            sleep 1
            [[ "$(windows)" == "${w[0]}" ]] && MAIN=${w[0]} && return 0
        fi
        sleep 0.5
    done
    local best=0 a
    for w in $(windows); do
        a=$(area "$w")
        if ((a > best)); then best=$a MAIN=$w; fi
    done
    [[ -n $MAIN ]]
}

start_game() {
    INSTANCE=$((INSTANCE + 1))
    "$GAME" >"$WORK/game$INSTANCE.log" 2>&1 &
    GAME_PID=$!
    find_main || {
        fail "instance $INSTANCE: the game's window did not appear"
        exit 1
    }
}

# An instance that ended: exit status 0 and no sanitizer report.
check_end() {
    local status=0
    wait "$GAME_PID" 2>/dev/null || status=$?
    GAME_PID=
    ((status == 0)) || fail "instance $INSTANCE ended with status $status (log game$INSTANCE.log)"
    if grep -qE 'ERROR: (Address|Leak|Undefined)|runtime error|SUMMARY: ' "$WORK/game$INSTANCE.log"; then
        fail "instance $INSTANCE: sanitizer report in game$INSTANCE.log"
        grep -E 'ERROR|runtime error|SUMMARY' "$WORK/game$INSTANCE.log" | head -n 5
    fi
}

# The client area's origin within the window: the button column's cyan frame
# starts at client x 30, y 0. Measured on the first start.
OFFX=4 OFFY=28
calibrate() {
    local g c
    read -r -a g <<<"$(geometry "$MAIN")"
    import -window root "$WORK/start.png" 2>/dev/null || return 0
    c=$(convert "$WORK/start.png" -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage txt:- 2>/dev/null |
        grep -m1 '#00FFFF' | sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')
    if [[ -n $c ]]; then read -r OFFX OFFY <<<"$c" && OFFX=$((OFFX - 30)); fi
    echo "client area at +$OFFX+$OFFY in the window"
}

# Client points of the commands at the default layout (column centred at x 55;
# the rules pages' buttons at their fixed places).
declare -A AT=([langue]="55 30" [gr1]="55 50" [gr2]="55 70" [gr3]="55 90" [gr4]="55 110"
    [gr5]="55 130" [niveau]="55 150" [moins]="47 170" [plus]="62 170" [regles]="55 190"
    [info]="55 210" [annuler]="47 260" [refaire]="62 260" [t1]="70 312" [t6]="55 303"
    [t5]="40 312" [t4]="40 328" [t3]="55 337" [t2]="70 328" [zero]="55 360" [fixe]="55 405"
    [pause]="55 425" [sauver]="55 445" [quitter]="55 475" [pageprec]="45 545"
    [pagesuiv]="745 545" [retour]="45 505")
COMMANDS=(langue gr1 gr2 gr3 gr4 gr5 niveau moins plus moins plus regles regles info annuler
    refaire annuler t1 t2 t3 t4 t5 t6 zero fixe pause sauver sauver pageprec pagesuiv pagesuiv
    pagesuiv retour retour quitter)
KEYS=(0 1 2 3 4 5 6 1 2 3 4 5 6 KP_0 KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 Tab Tab Left Right Up Down
    Return space Escape s S r R x X p f i q o n y question less greater plus minus)
ANSWERS=(o y n Return Escape space Tab click click)

WX=0 WY=0 WW=0 WH=0
read_geometry() {
    local g
    read -r -a g <<<"$(geometry "$MAIN")"
    ((${#g[@]} == 4)) || return 1
    WX=${g[0]} WY=${g[1]} WW=${g[2]} WH=${g[3]}
    # Keep the window on the screen (drags may take it away).
    if ((WX < 0 || WY < 0 || WX + WW > 1280 || WY + WH > 900)); then
        xdotool windowmove "$MAIN" 20 20 2>/dev/null
        WX=20 WY=20
    fi
}
click_client() { # x y button
    xdotool mousemove $((WX + OFFX + $1)) $((WY + OFFY + $2)) click "$3" 2>/dev/null
}
click_anywhere() { # button
    xdotool mousemove $((WX + RANDOM % WW)) $((WY + RANDOM % WH)) click "$1" 2>/dev/null
}
press() { # keys for the main window
    xdotool windowfocus --sync "$MAIN" 2>/dev/null
    xdotool key "$@" 2>/dev/null
}
# Answer the open box: a key or a click on it (its buttons sit at its bottom).
answer() {
    local box=$1 a=${ANSWERS[RANDOM % ${#ANSWERS[@]}]} g
    if [[ $a == click ]]; then
        read -r -a g <<<"$(geometry "$box")"
        ((${#g[@]} == 4)) || return 0
        xdotool mousemove $((g[0] + RANDOM % g[2])) $((g[1] + g[3] / 2 + RANDOM % (g[3] / 2))) \
            click 1 2>/dev/null
    else
        xdotool windowfocus --sync "$box" 2>/dev/null
        xdotool key "$a" 2>/dev/null
    fi
    ANSWERED=$((ANSWERED + 1))
}
# "Yes" in either language, to the newest box.
answer_yes() {
    local box
    wait_for 10 some_box || return 1
    box=$(windows | grep -vx "$MAIN" | tail -n 1)
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key o y 2>/dev/null
    sleep 0.5
}
# Close every box with "no" or "cancel".
close_boxes() {
    local box
    for _ in $(seq 30); do
        box=$(windows | grep -vx "$MAIN" | tail -n 1)
        [[ -z $box ]] && return 0
        xdotool windowfocus --sync "$box" 2>/dev/null
        xdotool key Escape 2>/dev/null
        sleep 0.5
    done
    return 1
}

RSS_LOG=$WORK/rss.txt
: >"$RSS_LOG"
# A sample: instance, time, resident kB, window size (the drawing's buffers
# follow the window: a larger cell size or grid holds more memory).
sample_rss() {
    local kb g
    kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status" 2>/dev/null) || return 0
    read -r -a g <<<"$(geometry "$MAIN")"
    [[ -n $kb ]] && echo "$INSTANCE $SECONDS $kb ${g[2]:-0}x${g[3]:-0}" >>"$RSS_LOG"
}

ACTIONS=0 ANSWERED=0 RESTARTS=0
declare -A SENT=()
start_game
calibrate
END=$((SECONDS + DURATION))
NEXT_SAMPLE=$SECONDS
while ((SECONDS < END)); do
    if ((SECONDS >= NEXT_SAMPLE)); then
        sample_rss
        NEXT_SAMPLE=$((SECONDS + 3))
    fi
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        check_end
        RESTARTS=$((RESTARTS + 1))
        start_game
        continue
    fi
    box=$(windows | grep -vx "$MAIN" | tail -n 1)
    if [[ -n $box ]]; then
        answer "$box"
        sleep 0.2
        continue
    fi
    read_geometry || {
        sleep 0.2
        continue
    }
    ACTIONS=$((ACTIONS + 1))
    roll=$((RANDOM % 100))
    if ((roll < 40)); then
        click_anywhere 1
    elif ((roll < 55)); then
        click_anywhere 3
    elif ((roll < 72)); then
        press "${KEYS[RANDOM % ${#KEYS[@]}]}"
    elif ((roll < 97)); then
        name=${COMMANDS[RANDOM % ${#COMMANDS[@]}]}
        SENT[$name]=$((${SENT[$name]:-0} + 1))
        read -r x y <<<"${AT[$name]}"
        click_client "$x" "$y" 1
    else
        # A short drag from anywhere in the window (the caption moves it).
        x=$((WX + RANDOM % WW)) y=$((WY + RANDOM % WH))
        xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + RANDOM % 81 - 40)) \
            $((y + RANDOM % 81 - 40)) mouseup 1 2>/dev/null
    fi
    sleep "0.$((RANDOM % 3 + 1))"
done
echo "soak: $ACTIONS actions, $ANSWERED answers to message boxes, $RESTARTS quits answered yes"
echo "commands clicked: $(for c in "${!SENT[@]}"; do echo "$c ${SENT[$c]}"; done | sort | paste -sd, -)"

# The end: every box closed, the rules left, a grid loaded, then "S" and "yes".
final_save() {
    local before
    close_boxes || fail "a message box does not close"
    read_geometry
    click_client 45 505 1 # "R" when the rules are shown
    sleep 1
    close_boxes
    read_geometry
    click_client 55 $((50 + 20 * $1)) 1 # a grid (from its question)
    answer_yes
    close_boxes
    before=$(stat -c %Y.%s "$PARAM" 2>/dev/null || echo none)
    sleep 1.1
    read_geometry
    click_client 55 445 1
    answer_yes
    close_boxes
    [[ -f $PARAM && $(stat -c %Y.%s "$PARAM") != "$before" ]] && return 0
    # A loaded machine can leave the click or its box behind the fixed
    # pauses: the screen is kept, and "S" is tried once more, waited for.
    import -window root "$WORK/save-missed.png" 2>/dev/null || true
    echo "soak: \"S\" wrote nothing at the first try (screen in $WORK/save-missed.png); once more"
    close_boxes
    read_geometry
    click_client 55 445 1
    answer_yes
    close_boxes
    wait_for 10 save_written "$before" || fail "\"S\" did not write $PARAM"
}
save_written() { [[ -f $PARAM && $(stat -c %Y.%s "$PARAM") != "$1" ]]; }
quit_game() {
    read_geometry
    click_client 55 475 1
    answer_yes
    wait_for 30 game_gone || fail "the game did not quit through \"X\""
    check_end
}

kill -0 "$GAME_PID" 2>/dev/null || {
    check_end
    start_game
}
final_save $((RANDOM % 5))
cp "$PARAM" "$WORK/saved.txt" 2>/dev/null
# A window larger than the screen opens again at the screen's edge (its
# caption and column on it): its saved corner is then not kept as it was.
placement='^$'
read_geometry
((WX + WW > 1280)) && placement="$placement|^left="
((WY + WH > 900)) && placement="$placement|^top="
sample_rss
quit_game

# A fresh start reads the file back: saved again at once, it is the same file
# but for the time of the grid in play (its chronometer ran meanwhile).
start_game
sleep 2
close_boxes
read_geometry
before=$(stat -c %Y.%s "$PARAM")
sleep 1.1
click_client 55 445 1
answer_yes
close_boxes
[[ $(stat -c %Y.%s "$PARAM") != "$before" ]] || fail "the fresh start's \"S\" did not write the file"
quit_game
grille=$(sed -n 's/^gri=//p' "$WORK/saved.txt" | tr -d '\r')
if diff <(grep -avE "^tps$grille=|$placement" "$WORK/saved.txt") <(grep -avE "^tps$grille=|$placement" "$PARAM") \
    >"$WORK/diff.txt"; then
    echo "read back: $(grep -ac '^gv' "$WORK/saved.txt") state lines of" \
        "$(grep -ac '^tps' "$WORK/saved.txt") grids, as saved"
else
    fail "the fresh start did not keep the saved file (diff in $WORK/diff.txt)"
    head -n 10 "$WORK/diff.txt"
fi
old=$(sed -n "s/^tps$grille=//p" "$WORK/saved.txt" | tr -d '\r')
new=$(sed -n "s/^tps$grille=//p" "$PARAM" | tr -d '\r')
((${new:-0} >= ${old:-0})) || fail "grid $grille's time went back from $old to $new"

# Memory: per instance that lived long enough and per window size it kept for
# at least 10 samples after its warm-up (a fifth of its life, at least 30 s:
# the first grids, cell sizes and rules pages shown fill the caches), the
# median of the last third of those samples minus the median of the first
# third; the largest of these growths counts. Medians, since a rules page
# holds its pictures while it is shown. The rules window (800 x 600 inside
# the frame this platform draws) is left out: it keeps every page visited
# until "R", so its memory follows the pages seen, not the time.
minlife=$((DURATION / 4 > 40 ? DURATION / 4 : 40))
report=$(awk -v minlife="$minlife" -v rules=808x632 '
    function median(a, from, to,    m, k, j, v, x) {
        m = 0
        for (k = from; k <= to; k++) v[++m] = a[k]
        for (k = 2; k <= m; k++)
            for (j = k; j > 1 && v[j - 1] > v[j]; j--) { x = v[j]; v[j] = v[j - 1]; v[j - 1] = x }
        return v[int((m + 1) / 2)]
    }
    { n[$1]++; t[$1, n[$1]] = $2; kb[$1, n[$1]] = $3; size[$1, n[$1]] = $4 }
    END {
        for (i in n) {
            first = t[i, 1]
            life = t[i, n[i]] - first
            if (life < minlife) continue
            warm = first + (life / 5 > 30 ? life / 5 : 30)
            split("", count)
            for (k = 1; k <= n[i]; k++) if (t[i, k] >= warm && size[i, k] != rules) count[size[i, k]]++
            best = ""; worst = -1e9; samples = 0
            for (z in count) {
                if (count[z] < 10) continue
                split("", a)
                m = 0
                for (k = 1; k <= n[i]; k++) if (t[i, k] >= warm && size[i, k] == z) a[++m] = kb[i, k]
                third = int(m / 3)
                low = median(a, 1, third)
                high = median(a, m - third + 1, m)
                if (high - low > worst) { worst = high - low; best = z; samples = m; lo = low; hi = high }
            }
            if (best != "") printf "%d %d %s %d %d %d %d\n", i, life, best, samples, lo, hi, worst
        }
    }' "$RSS_LOG")
if [[ -z $report ]]; then
    echo "memory: no instance lived ${minlife} s at one window size (no growth measured)"
fi
while read -r inst life size samples low high growth; do
    [[ -z ${inst:-} ]] && continue
    echo "memory: instance $inst lived ${life} s; largest growth at window size $size" \
        "($samples samples): RSS (median) ${low} kB, then ${high} kB: ${growth} kB" \
        "(bound ${GROWTH_KB} kB)"
    ((growth <= GROWTH_KB)) || fail "instance $inst: RSS grew by ${growth} kB"
done <<<"$report"

if ((FAILURES > 0)); then
    echo "soak FAILED ($FAILURES failures; seed $SEED)"
    exit 1
fi
echo "soak passed (seed $SEED)"
