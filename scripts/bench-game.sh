#!/usr/bin/env bash
# Measures the running game as a player feels it, under a private Xvfb, and
# prints a table (median and worst of each measure):
#   - start-up: from starting the program to its first window on the display,
#     and (the game only) to the end of its first complete paint of the grid
#     in play (reported by the game itself under VORA_TRACE_PAINT=1);
#   - resident size (VmRSS) in play on the largest playable grid (grid 5) at
#     cell size 70, and after turning all nine rules pages;
#   - click-to-paint: from a left click on an empty cell to the end of the
#     paint that shows the value entered (then erased), as the game reports it;
#   - key-to-paint: from an arrow key to the end of the paint that shows the
#     keyboard cursor moved, as the game reports it;
#   - CPU time used over 10 s idle in play;
#   - the size of the executables (Linux, with its pictures, and the .exe).
# The game runs natively and, when the Windows build and Wine are there, as
# vora.exe under Wine; Simon Tatham's "solo" (Debian sgt-puzzles) and
# gnome-sudoku run in the same session: their start-up to first window and
# resident size. The budgets of the Linux build are checked at the end.
#
# Usage: scripts/bench-game.sh [--runs N] [--short]
#   --runs N  runs of each program (default 10)
#   --short   one run of the game only, no timing checked, nothing installed:
#             fails only when the game crashes or stops answering (the test
#             command runs this)
# VORA_BENCH_BUILD: the Linux build folder (default build/release);
# VORA_BENCH_DISPLAYS ("FIRST COUNT") bounds the X display numbers tried.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

RUNS=10
SHORT=0
while (($#)); do
    case $1 in
    --short) SHORT=1 RUNS=1 ;;
    --runs)
        RUNS=${2:?--runs needs a number}
        shift
        ;;
    *)
        echo "usage: $0 [--runs N] [--short]" >&2
        exit 2
        ;;
    esac
    shift
done

BUILD=${VORA_BENCH_BUILD:-$ROOT/build/release}
WINBUILD=$ROOT/build/windows
WORK=$(mktemp -d /tmp/vora_bench.XXXXXX)
PARAM_FILE="V-O-RA 110.TXT"
TIMEOUT=40
XVFB_PID=
PIDS=()
WINE=
WINESERVER=
wine_started=0

cleanup() {
    set +e
    local p
    for p in "${PIDS[@]}"; do
        kill "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    if ((wine_started)); then
        timeout 30 "$WINESERVER" -k >/dev/null 2>&1
        timeout 30 "$WINESERVER" -w >/dev/null 2>&1
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if ((KEEP)); then echo "kept: $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

KEEP=0
FAILED_RUNS=0
die() {
    echo "bench-game: $*" >&2
    KEEP=1
    exit 1
}
# The game's run failed: what it is doing, then die.
lost() {
    local pid=$1 trace=$2
    shift 2
    if alive "$pid"; then echo "(the game is still running)" >&2; else
        local status=0
        wait "$pid" 2>/dev/null || status=$?
        echo "(the game ended, status $status)" >&2
    fi
    tail -5 "$trace" >&2
    import -window root "$WORK/failure.png" 2>/dev/null || true
    xwininfo -root -tree >"$WORK/failure-windows.txt" 2>&1 || true
    ((SHORT)) && die "$@"
    # A full run goes on with the next run; the failure is reported.
    echo "bench-game: $* (run left out)" >&2
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    FAILED_RUNS=$((FAILED_RUNS + 1))
    KEEP=1
    return 1
}
now_us() { date +%s%6N; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
alive() { kill -0 "$1" 2>/dev/null; }

# ---- what is needed
if ((!SHORT)); then
    bash scripts/deps.sh
    missing=()
    for pkg in sgt-puzzles gnome-sudoku; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    if ((${#missing[@]})); then
        SUDO=""
        [[ $(id -u) -eq 0 ]] || SUDO=sudo
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
fi
if [[ ! -f $BUILD/CMakeCache.txt ]]; then
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_WERROR=ON
fi
cmake --build "$BUILD" --target vora voraplan >/dev/null
VORA=$BUILD/shell/vora

WINE_OK=0
if ((!SHORT)) && [[ -f $ROOT/build/wineprefix/.vora-ready ]]; then
    for c in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
        if [[ -n $c && -x $c ]]; then
            WINE=$c
            break
        fi
    done
    for c in /usr/lib/wine/wineserver "$(command -v wineserver || true)"; do
        if [[ -n $c && -x $c ]]; then
            WINESERVER=$c
            break
        fi
    done
    if [[ -n $WINE && -n $WINESERVER ]]; then
        cmake --build "$WINBUILD" --target vora >/dev/null && WINE_OK=1
    fi
fi
if ((!SHORT && !WINE_OK)); then
    echo "(no Wine figures: run scripts/windows-test.sh once to make the Windows build and prefix)"
fi

# ---- the display: the first free number of VORA_BENCH_DISPLAYS ("FIRST
# COUNT") when set, else the one Xvfb finds free
fd_file=$WORK/display
if [[ -n ${VORA_BENCH_DISPLAYS:-} ]]; then
    read -r FIRST COUNT <<<"$VORA_BENCH_DISPLAYS"
    for ((n = FIRST; n < FIRST + COUNT; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        echo "$n" >"$fd_file"
        break
    done
    [[ -s $fd_file ]] || die "no free display in $VORA_BENCH_DISPLAYS"
    Xvfb ":$(head -n1 "$fd_file")" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        DISPLAY=":$(head -n1 "$fd_file")" xdpyinfo >/dev/null 2>&1 && break
        alive "$XVFB_PID" || die "Xvfb did not start"
        sleep 0.1
    done
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s $fd_file ]] && break
        alive "$XVFB_PID" || die "Xvfb did not start"
        sleep 0.1
    done
fi
[[ -s $fd_file ]] || die "Xvfb did not start"
export DISPLAY=":$(head -n1 "$fd_file")"

if ((WINE_OK)); then
    export WINEPREFIX=$ROOT/build/wineprefix WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINELOADER=$WINE
    # One Wine server for the whole run, its services booted: each start
    # measured is then the program's own, as on a running Windows session.
    wine_started=1
    timeout 30 "$WINESERVER" -p </dev/null >/dev/null 2>&1
    timeout -k 10 120 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
fi

# ---- figures: one file per program and measure, one number a line
record() { echo "$3" >>"$WORK/fig.$1.$2"; }

# Waits (polling every 10 ms) until a visible window matching $2 (xdotool
# search options, "--name REGEX" or "--class REGEX") exists and until the
# trace file $3 (if not empty) holds a first paint; records the moments,
# relative to $1 (microseconds), in W_US and P_US.
wait_start() {
    local t0=$1 trace=$3 end=$((SECONDS + TIMEOUT))
    local -a search
    read -r -a search <<<"$2"
    W_US=
    P_US=
    while [[ -z $W_US || (-n $trace && -z $P_US) ]]; do
        ((SECONDS < end)) || return 1
        if [[ -z $W_US ]] && xdotool search --onlyvisible "${search[@]}" >/dev/null 2>&1; then
            W_US=$(($(now_us) - t0))
        fi
        sleep 0.01
        if [[ -n $trace && -z $P_US ]]; then
            local line
            line=$(grep -m1 '^vora-trace first-paint ' "$trace" 2>/dev/null | tr -d '\r' || true)
            [[ -n $line ]] && P_US=$((${line##* } - t0))
        fi
    done
}

# The client area's origin on the screen (CX, CY): the button column's cyan
# frame starts at client x 30, y 0.
find_client() {
    import -window root "$WORK/shot.png"
    read -r CX CY <<<"$(convert "$WORK/shot.png" -crop 900x900+0+0 txt:- | grep -m1 '#00FFFF' |
        sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
    [[ -n ${CX:-} ]] || return 1
    CX=$((CX - 30))
}
click() {
    xdotool mousemove $((CX + $1)) $((CY + $2)) click 1
    sleep "${3:-0.4}"
}
# Number of $2 lines (click-to-paint by default) in the trace $1.
clicks_traced() { grep -c "^vora-trace ${2:-click-to-paint} " "$1" || true; }

# One run of the game: $1 the label (linux, wine), the rest the command.
run_game() {
    local label=$1
    shift
    local dir=$WORK/run.$label
    rm -rf "$dir"
    mkdir -p "$dir"
    printf 'gri=5\ntca=70\n' >"$dir/$PARAM_FILE"
    local trace=$dir/trace.txt
    : >"$trace"
    local t0
    t0=$(now_us)
    (cd "$dir" && VORA_TRACE_PAINT=1 exec "$@" 2>"$trace" >/dev/null) &
    local pid=$!
    PIDS+=("$pid")
    wait_start "$t0" "--name ^V-O-RA" "$trace" ||
        { lost "$pid" "$trace" "$label: no window or no first paint (window after ${W_US:-?} us)"; return; }
    record "$label" window "$W_US"
    record "$label" paint "$P_US"
    sleep 1.5
    alive "$pid" || { lost "$pid" "$trace" "$label: the game ended after starting"; return; }
    record "$label" rss "$(rss_kb "$pid")"

    find_client || { lost "$pid" "$trace" "$label: no button column on the screen"; return; }
    # An empty cell and a value it allows, at cell size 70: enter it, then
    # erase it (the same value clicked again), twice, each click timed by the
    # game. Erasing's three beeps of 80 ms play on the game's beeper thread,
    # beside the paint.
    read -r _ AX AY AV < <(grep '^A ' "$WORK/plan5")
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^V-O-RA' | head -1)" \
        2>/dev/null || true
    xdotool key "$AV"
    sleep 0.4
    local k n
    for k in enter erase enter erase; do
        n=$(clicks_traced "$trace")
        click "$AX" "$AY" 0.1
        for _ in $(seq 50); do
            (($(clicks_traced "$trace") > n)) && break
            sleep 0.1
        done
        (($(clicks_traced "$trace") > n)) || { lost "$pid" "$trace" "$label: no paint after a click"; return; }
        record "$label" "$k" "$(grep '^vora-trace click-to-paint ' "$trace" | tail -1 |
            tr -d '\r' | awk '{print $3}')"
    done
    alive "$pid" || { lost "$pid" "$trace" "$label: the game ended after the clicks"; return; }
    # The arrows: the first shows the keyboard cursor, the next four move it
    # to and fro, each timed by the game.
    xdotool key Right
    sleep 0.4
    for k in Right Left Right Left; do
        n=$(clicks_traced "$trace" key-to-paint)
        xdotool key "$k"
        for _ in $(seq 50); do
            (($(clicks_traced "$trace" key-to-paint) > n)) && break
            sleep 0.1
        done
        (($(clicks_traced "$trace" key-to-paint) > n)) || { lost "$pid" "$trace" "$label: no paint after an arrow"; return; }
        record "$label" arrow "$(grep '^vora-trace key-to-paint ' "$trace" | tail -1 |
            tr -d '\r' | awk '{print $3}')"
    done

    # "?" at client (55, 190), then ">" at (745, 545) through the nine pages.
    click 55 190 0.8
    for _ in $(seq 8); do click 745 545 0.5; done
    sleep 1
    alive "$pid" || { lost "$pid" "$trace" "$label: the game ended in the rules pages"; return; }
    record "$label" rssrules "$(rss_kb "$pid")"

    # "R" at (45, 505): back in play, then idle.
    click 45 505 1
    local idle=10
    ((SHORT)) && idle=1
    local c0
    c0=$(cpu_ticks "$pid")
    sleep "$idle"
    alive "$pid" || { lost "$pid" "$trace" "$label: the game ended while idle"; return; }
    record "$label" idlems $((($(cpu_ticks "$pid") - c0) * 1000 / $(getconf CLK_TCK)))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# One run of another game ($2: how its window is found, as wait_start takes
# it): start-up to its first window and resident size.
run_other() {
    local label=$1 search=$2
    shift 2
    local dir=$WORK/run.$label
    mkdir -p "$dir/.local/share" "$dir/.config"
    local t0
    t0=$(now_us)
    (cd "$dir" && HOME=$dir exec "$@" >/dev/null 2>&1) &
    local pid=$!
    PIDS+=("$pid")
    if ! wait_start "$t0" "$search" ""; then
        echo "$label: no window within ${TIMEOUT}s" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    record "$label" window "$W_US"
    sleep 1.5
    alive "$pid" && record "$label" rss "$(rss_kb "$pid")"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

"$BUILD/tests/voraplan" 5 size 70 | tr -d '\r' >"$WORK/plan5"
LOAD_START=$(cut -d' ' -f1-3 /proc/loadavg)

for i in $(seq "$RUNS"); do
    echo "--- run $i of $RUNS"
    run_game linux "$VORA" || true
    if ((WINE_OK)); then run_game wine "$WINE" "$WINBUILD/shell/vora.exe" || true; fi
    if ((!SHORT)); then
        run_other solo "--name ^Solo" /usr/games/sgt-solo || true
        # Its first window asks for the difficulty.
        run_other gnome-sudoku "--class gnome-sudoku" /usr/games/gnome-sudoku || true
    fi
done

if ((SHORT)); then
    echo "bench-game (short): the game started, took clicks and arrows, turned the nine rules pages and idled"
    exit 0
fi

# ---- the table
# "median / worst" of a figure file, divided by $2, with $3 decimals.
figure() {
    local f=$WORK/fig.$1 div=$2 dec=$3
    [[ -s $f ]] || {
        echo "-"
        return
    }
    local runs=$RUNS
    [[ $f == *.enter || $f == *.erase ]] && runs=$((2 * RUNS))
    sort -n "$f" | awk -v d="$div" -v p="$dec" -v runs="$runs" '
        {v[NR] = $1}
        END {
            m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.*f / %.*f", p, m / d, p, v[NR] / d
            if (NR < runs) printf " (%d)", NR
        }'
}
bytes_mb() { awk -v b="$1" 'BEGIN {printf "%.1f", b / 1048576}'; }

echo
echo "Median / worst of $RUNS runs (click-to-paint: two of each a run; key-to-paint: four), $(nproc) cores, $(date -u +%F)"
echo "load average at the start: $LOAD_START; at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "(N): only N figures, the other runs failed (see above); game runs left out: $FAILED_RUNS"
echo
printf '| %-34s | %-17s | %-17s | %-17s | %-17s |\n' "measure" "vora (Linux)" "vora.exe (Wine)" \
    "solo" "gnome-sudoku"
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..36})" "$(printf -- '-%.0s' {1..19})" \
    "$(printf -- '-%.0s' {1..19})" "$(printf -- '-%.0s' {1..19})" "$(printf -- '-%.0s' {1..19})"
row() {
    printf '| %-34s | %-17s | %-17s | %-17s | %-17s |\n' "$1" "$(figure "linux.$2" "$3" "$4")" \
        "$(figure "wine.$2" "$3" "$4")" "$(figure "solo.$2" "$3" "$4")" \
        "$(figure "gnome-sudoku.$2" "$3" "$4")"
}
row "start-up to first window (ms)" window 1000 0
row "start-up to first grid paint (ms)" paint 1000 0
row "RSS in play, grid 5 at size 70 (MB)" rss 1024 1
row "RSS after the nine rules pages (MB)" rssrules 1024 1
row "click-to-paint, entering (ms)" enter 1000 1
row "click-to-paint, erasing (ms)" erase 1000 1
row "key-to-paint, an arrow (ms)" arrow 1000 1
row "CPU over 10 s idle (ms)" idlems 1 0

exe=$(stat -c %s "$VORA")
strip -o "$WORK/vora.stripped" "$VORA"
exe_stripped=$(stat -c %s "$WORK/vora.stripped")
echo
echo "vora (Linux, pictures inside): $(bytes_mb "$exe") MB as built, $(bytes_mb "$exe_stripped") MB stripped"
if [[ -f $WINBUILD/shell/vora.exe ]]; then
    wexe=$(stat -c %s "$WINBUILD/shell/vora.exe")
    x86_64-w64-mingw32-strip -o "$WORK/vora.exe" "$WINBUILD/shell/vora.exe"
    echo "vora.exe (pictures inside): $(bytes_mb "$wexe") MB as built, $(bytes_mb "$(stat -c %s "$WORK/vora.exe")") MB stripped"
fi

# ---- the budgets of the Linux build (worst runs)
worst() { sort -n "$WORK/fig.$1" | tail -1; }
verdict() {
    if (($2)); then echo "within budget: $1"; else echo "BUDGET MISSED: $1"; fi | tee -a "$WORK/verdicts"
}
echo
verdict "start-up under 250 ms" $(($(worst linux.paint) < 250000))
verdict "under 50 MB resident in play" $(($(worst linux.rss) < 50 * 1024))
verdict "under 100 MB after the rules pages" $(($(worst linux.rssrules) < 100 * 1024))
verdict "executable under 20 MB (stripped)" $((exe_stripped < 20 * 1048576))
verdict "click-to-paint at most 8 ms, entering (worst $(worst linux.enter) us)" \
    $(($(worst linux.enter) <= 8000))
verdict "click-to-paint at most 8 ms, erasing (worst $(worst linux.erase) us)" \
    $(($(worst linux.erase) <= 8000))
verdict "key-to-paint at most 8 ms, an arrow (worst $(worst linux.arrow) us)" \
    $(($(worst linux.arrow) <= 8000))
grep -q '^BUDGET MISSED' "$WORK/verdicts" && exit 1
exit 0
