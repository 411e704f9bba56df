# Shared by the game's end-to-end scenarios (sourced): the runs on a bare X
# server and under a window manager, the scratch directory, Xvfb (its root
# filled with ROOT_COLOUR), the game started in it, screenshots, magenta
# counts, clicks in client coordinates and keys for the window or for the
# open message box; the end of a grid played to its last cell and the quit.
# Expects BUILD_ARG and PLAN_ARGS (the arguments of the positions program)
# to be set, and may set SCREEN (WIDTHxHEIGHT, default 1280x900) and
# START_PARAMS (below); leaves the positions in $WORK/plan.txt (read with
# pos).
# VORA_E2E_WM ("bare openbox" by default) chooses the runs: the scenario
# runs once for each, as a child of this one; VORA_WINESERVER, when set, is
# the Wine server stopped after each run. VORA_E2E_DISPLAYS, when set, lists
# the X display numbers the runs may take (else one from 200 to 299). A
# scenario may set OPENBOX_KEYS (keybind elements added to openbox's default
# configuration).
if [[ -z ${VORA_E2E_RUN:-} ]]; then
    run_status=0
    for wm in ${VORA_E2E_WM:-bare openbox}; do
        echo "--- $(basename "$0"), $wm"
        VORA_E2E_RUN=$wm bash "$0" "$@" || run_status=1
        # A Wine session keeps the display it started on: end it.
        if [[ -n ${VORA_WINESERVER:-} ]]; then
            timeout 30 "$VORA_WINESERVER" -k >/dev/null 2>&1 || true
            timeout 30 "$VORA_WINESERVER" -w >/dev/null 2>&1 || true
        fi
    done
    exit "$run_status"
fi
WM=$VORA_E2E_RUN
SCREEN=${SCREEN:-1280x900}
ROOT_COLOUR=208020
BUILD=$(cd "$BUILD_ARG" && pwd)
read -r -a GAME_CMD <<<"${VORA_GAME_CMD:-$BUILD/shell/vora}"
read -r -a PLAN_CMD <<<"${VORA_PLAN_CMD:-$BUILD/tests/voraplan}"
TIMEOUT=${VORA_E2E_TIMEOUT:-40}
WORK=$(mktemp -d /tmp/vora_e2e.XXXXXX)
# The game's data folder is the scratch directory itself (through a link), so
# that the parameter file is $WORK's whether the game takes the current
# directory's file or the data folder's. Under Wine, VORA_WINE_APPDATA is the
# prefix's %APPDATA% folder, which Wine sets whatever the environment says.
# A scenario that defines prepare_game makes its own places instead (it runs
# once $WORK exists, and may set GAME_DIR, the game's current directory).
if declare -F prepare_game >/dev/null; then
    prepare_game
else
    mkdir "$WORK/data" && ln -s "$WORK" "$WORK/data/vora"
    export XDG_DATA_HOME=$WORK/data
    # (The test prefix's own folder, whatever an earlier run left there, is
    # replaced.)
    if [[ -n ${VORA_WINE_APPDATA:-} ]]; then
        mkdir -p "$VORA_WINE_APPDATA"
        rm -rf "$VORA_WINE_APPDATA/V-O-RA"
        ln -s "$WORK" "$VORA_WINE_APPDATA/V-O-RA"
    fi
fi
FAILURES=0
XVFB_PID=
WM_PID=
GAME_PID=

cleanup() {
    set +e
    if [[ -n $GAME_PID ]]; then
        kill "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [[ -n $WM_PID ]]; then
        kill "$WM_PID" 2>/dev/null
        wait "$WM_PID" 2>/dev/null
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [[ -n ${VORA_WINE_APPDATA:-} && -L $VORA_WINE_APPDATA/V-O-RA ]]; then
        rm -f "$VORA_WINE_APPDATA/V-O-RA"
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

# Waits until the game has handled what it was sent and drawn it: its main
# thread, the X server and the window manager all asleep (state S, not
# running nor runnable) at four samples in a row, 40 ms apart, after at least
# MIN seconds (default 0.12: an event just sent has then reached the game).
# A busy or starved game is waited for, up to TIMEOUT seconds; a process
# that is gone counts as asleep. Replaces fixed pauses, which were too long
# on an idle machine and could be too short on a loaded one.
# Under Wine the game's work is shared with the Wine server and Wine's own
# processes (its desktop window's, without a window manager): every process
# of the scenario's Wine prefix is watched too.
wine_pids() {
    [[ -n ${WINEPREFIX:-} && -n ${VORA_WINESERVER:-} ]] || return 0
    local f pid
    for f in $(grep -lsxF "WINEPREFIX=$WINEPREFIX" --null-data /proc/[0-9]*/environ); do
        pid=${f#/proc/}
        pid=${pid%/environ}
        [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */wine* ]] && echo "$pid"
    done
    return 0
}
settle() {
    sleep "${1:-0.12}"
    local end=$((SECONDS + TIMEOUT)) quiet=0 pid state watched
    watched="${GAME_PID:-} ${XVFB_PID:-} ${WM_PID:-} $(wine_pids | tr '\n' ' ')"
    while ((quiet < 4)); do
        ((SECONDS < end)) || return 0
        quiet=$((quiet + 1))
        for pid in $watched; do
            state=$(sed -E 's/^[0-9]+ \(.*\) ([A-Za-z]).*/\1/' "/proc/$pid/task/$pid/stat" 2>/dev/null) ||
                continue
            [[ $state == S || $state == Z || $state == X ]] || quiet=0
        done
        sleep 0.04
    done
}

# A display of our own: when another run takes the same number between the
# check and the start, our Xvfb exits at once, and another number is tried.
# VORA_E2E_DISPLAYS ("FIRST COUNT", default "200 100") bounds the numbers.
read -r DISPLAY_FIRST DISPLAY_COUNT <<<"${VORA_E2E_DISPLAYS:-200 100}"
start_xvfb() {
    for _ in 1 2 3 4 5; do
        DISPLAY_NUMBER=$((DISPLAY_FIRST + RANDOM % DISPLAY_COUNT))
        while [[ -e /tmp/.X11-unix/X$DISPLAY_NUMBER || -e /tmp/.X$DISPLAY_NUMBER-lock ]]; do
            DISPLAY_NUMBER=$((DISPLAY_FIRST + RANDOM % DISPLAY_COUNT))
        done
        export DISPLAY=:$DISPLAY_NUMBER
        Xvfb "$DISPLAY" -screen 0 "${SCREEN}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        if wait_for xdpyinfo >/dev/null && sleep 0.5 && kill -0 "$XVFB_PID" 2>/dev/null; then
            return 0
        fi
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    done
    return 1
}
start_xvfb || {
    fail "Xvfb did not start"
    exit 1
}
xsetroot -solid "#$ROOT_COLOUR"

if [[ $WM == openbox ]]; then
    wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *'window id'* ]]; }
    OPENBOX_ARGS=(--sm-disable)
    if [[ -n ${OPENBOX_KEYS:-} ]]; then
        awk -v keys="$OPENBOX_KEYS" '{ print } /<keyboard>/ { print keys }' \
            /etc/xdg/openbox/rc.xml >"$WORK/openbox-rc.xml"
        OPENBOX_ARGS+=(--config-file "$WORK/openbox-rc.xml")
    fi
    openbox "${OPENBOX_ARGS[@]}" </dev/null >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for wm_running || {
        fail "openbox did not start"
        exit 1
    }
fi

# The positions, once the display exists (under Wine the first program
# started fixes the display of the Wine session).
"${PLAN_CMD[@]}" "${PLAN_ARGS[@]}" | tr -d '\r' >"$WORK/plan.txt"
pos() { grep "^$1 " "$WORK/plan.txt" | cut -d' ' -f2-; }

# The parameter file the game starts on: the smallest cell size, at which the
# positions program places the cells (START_PARAMS set empty: a fresh start,
# at a size that suits the screen).
START_PARAMS=${START_PARAMS-$'ver=3.6\r\ntca=40\r\n'}
if [[ -n $START_PARAMS && -z ${GAME_DIR:-} ]]; then
    printf '%s' "$START_PARAMS" >"$WORK/V-O-RA 110.TXT"
fi
cd "${GAME_DIR:-$WORK}"
"${GAME_CMD[@]}" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
WINDOW=
find_window() { WINDOW=$(xdotool search --onlyvisible --name '^V-O-RA' | head -1) && [[ -n $WINDOW ]]; }
wait_for find_window || {
    fail "the game's window did not appear"
    exit 1
}
settle 0.3
N=0
shot() {
    N=$((N + 1))
    SHOT=$WORK/shot$N.png
    settle
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

# The client area's origin (CX, CY) on a new screenshot: the button
# column's cyan frame starts at client x 30, y 0. A window manager may move
# the window (one that grows past the screen's edge): scenarios that change
# the window's size find it again.
find_origin() {
    shot
    read -r CX CY <<<"$(convert "$SHOT" -crop 700x700+0+0 txt:- | grep -m1 '#00FFFF' |
        sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
    [[ -n ${CX:-} ]] || return 1
    CX=$((CX - 30))
}
if ! find_origin; then
    fail "no button column on the screen"
    exit 1
fi
click() {
    xdotool mousemove $((CX + $1)) $((CY + $2)) click 1
    settle
}
key() {
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool key "$@"
    settle
}
# A message box of the game: the newest window of the title but the main one.
BOX=
box_open() {
    BOX=$(xdotool search --onlyvisible --name '^V-O-RA' | grep -vx "$WINDOW" | tail -1) &&
        [[ -n $BOX ]]
}
box_gone() { ! xdotool search --onlyvisible --name '^V-O-RA' | grep -qx "$1"; }
# A key for the message box, once one is open (a loaded machine, or Wine,
# may take a while to show it, and a moment more to take keys). A box that
# the key closes may stay on the screen a while (Wine takes it away once the
# game is done with what follows): it is waited for, a few seconds at most.
boxkey() {
    local box=
    if wait_for box_open; then
        box=$BOX
        settle 0.2
        xdotool windowfocus --sync "$box" 2>/dev/null || true
    fi
    xdotool key "$@"
    settle
    if [[ -n $box ]]; then TIMEOUT=5 wait_for box_gone "$box" || true; fi
}


# Pixels of a colour family (r g b bounds as a test on r, g, b, such as
# 'r > 0xD0 && g < 0x40') in the square of half-side 12 around a client
# point (x, y) of the last screenshot.
pixels() {
    convert "$SHOT" -crop 25x25+$((CX + $1 - 12))+$((CY + $2 - 12)) -depth 8 txt:- |
        sed -nE 's/.*#([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2}).*/\1 \2 \3/p' |
        while read -r r g b; do
            r=$((16#$r)) g=$((16#$g)) b=$((16#$b))
            if (($3)); then echo; fi
        done | wc -l
}

# The last cell of the grid entered at client (x, y): its value shown, the
# congratulation, the offer to save answered yes and the finished state
# found in the parameter file.
check_finished() {
    settle
    shot
    if (($(count m $((CX + $1)) $((CY + $2))) > 5)); then pass "last value entered"; else fail "last value not shown"; fi
    local boxes
    boxes=$(xdotool search --onlyvisible --name '^V-O-RA' | grep -vxc "$WINDOW" || true)
    if ((boxes > 0)); then pass "congratulation shown"; else fail "no congratulation box"; fi
    boxkey Return
    settle
    boxkey o
    if ! grep -qs "gv1:A=" "$WORK/V-O-RA 110.TXT"; then boxkey y; fi
    if wait_for grep -q "gv1:A=" "$WORK/V-O-RA 110.TXT"; then
        if grep "gv1:A=" "$WORK/V-O-RA 110.TXT" | grep -q G; then
            fail "the saved state still has empty cells"
        else
            pass "finished grid saved"
        fi
    else
        fail "nothing saved after the offer"
    fi
}

# Once the quit was asked for (key or click): the question answered yes and
# the game's end waited for. The box's buttons are "Oui" / "Non" or "Yes" /
# "No" (Wine's own language): "o" and "y" each choose yes in one language and
# nothing in the other.
check_quit() {
    settle
    boxkey o
    if kill -0 "$GAME_PID" 2>/dev/null; then boxkey y; fi
    if wait_for bash -c "! kill -0 $GAME_PID"; then
        wait "$GAME_PID" 2>/dev/null || true
        GAME_PID=
        pass "left through X"
    else
        fail "the game did not end after X"
    fi
}
