#!/usr/bin/env bash
# Makes the screenshot of the real game that the README and the AppStream
# metadata show (doc/vora.png, or the path given): builds the game and its
# positions program in build/release, starts the game under a private Xvfb
# in a scratch directory (its own HOME and data folder: nothing of the user's
# is read or written), enters two values through the value selector, and
# keeps the game's window, cut from the screen on a plain ground.
# VORA_CAPTURE_DISPLAYS ("FIRST COUNT", default "60 10") bounds the display
# numbers tried; VORA_CAPTURE_LOOK (default 0) is the number of presses of T
# before the picture (1: the dark look).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$(realpath -m "${1:-$ROOT/doc/vora.png}")
BUILD=$ROOT/build/release

[[ -f $BUILD/build.ninja ]] || cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --target vora voraplan >/dev/null

WORK=$(mktemp -d /tmp/vora_capture.XXXXXX)
XVFB_PID=
GAME_PID=
stop_all() {
    if [[ -n $GAME_PID ]]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
    if [[ -n $XVFB_PID ]]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap stop_all EXIT

read -r FIRST COUNT <<<"${VORA_CAPTURE_DISPLAYS:-60 10}"
for ((n = FIRST; n < FIRST + COUNT; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    kill -0 "$XVFB_PID" 2>/dev/null && break
    XVFB_PID=
done
[[ -n $XVFB_PID ]] || { echo "capture: no free display" >&2 && exit 1; }
xsetroot -solid '#D8D8D8'

cd "$WORK"
# At cell size 60, given by a parameter file in the current directory, where
# the positions program places the cells.
printf 'ver=3.6\r\ntca=60\r\n' >"V-O-RA 110.TXT"
"$BUILD/tests/voraplan" 1 size 60 >plan.txt 2>/dev/null
pos() { grep "^$1 " plan.txt | cut -d' ' -f2-; }
HOME=$WORK XDG_DATA_HOME=$WORK/data "$BUILD/shell/vora" >game.log 2>&1 &
GAME_PID=$!
WINDOW=
for _ in $(seq 100); do
    WINDOW=$(xdotool search --onlyvisible --name '^V-O-RA' 2>/dev/null | head -1) && [[ -n $WINDOW ]] && break
    sleep 0.1
done
[[ -n $WINDOW ]] || { echo "capture: the game's window did not appear" >&2 && exit 1; }
sleep 2
# The client origin: the button column's cyan frame starts at client x 30.
import -window root start.png
read -r CX CY <<<"$(convert start.png -crop 700x700+0+0 txt:- | grep -m1 '#00FFFF' |
    sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/')"
CX=$((CX - 30))
click() { xdotool mousemove $((CX + $1)) $((CY + $2)) click 1 && sleep 0.4; }
for cell in A B; do
    read -r x y v <<<"$(pos "$cell")"
    read -r tx ty <<<"$(pos "T$v")"
    click "$tx" "$ty"
    click "$x" "$y"
done
for ((i = 0; i < ${VORA_CAPTURE_LOOK:-0}; i++)); do
    xdotool key t && sleep 0.4
done
# The pointer away from the window, its tooltip gone.
xdotool mousemove 1000 760
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
import -window root shot.png
mkdir -p "$(dirname "$OUT")"
convert shot.png -crop "$((WIDTH + 16))x$((HEIGHT + 16))+$((X - 8))+$((Y - 8))" +repage \
    -strip "$OUT"
echo "capture: $OUT"
