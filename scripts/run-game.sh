#!/usr/bin/env bash
# Builds the game and starts it. Installs the Debian packages that building
# and starting the game need (scripts/deps.sh game), configures build/game
# without the tests and builds the game alone, then runs build/game/shell/vora
# in the current directory (where its parameter file lives). Without a
# display it runs the game under a private Xvfb for a few seconds, saves a
# screenshot, prints its path and stops everything it started.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)

bash "$ROOT/scripts/deps.sh" game
cmake -S "$ROOT" -B "$ROOT/build/game" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_TESTS=OFF
cmake --build "$ROOT/build/game" --target vora
GAME=$ROOT/build/game/shell/vora

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    exec "$GAME"
fi

SECONDS_SHOWN=${VORA_RUN_SECONDS:-4}
SHOT=${VORA_SCREENSHOT:-$ROOT/build/vora-screenshot.png}
DISPLAY_NUMBER=$((200 + RANDOM % 100))
while [[ -e /tmp/.X11-unix/X$DISPLAY_NUMBER || -e /tmp/.X$DISPLAY_NUMBER-lock ]]; do
    DISPLAY_NUMBER=$((200 + RANDOM % 100))
done
export DISPLAY=:$DISPLAY_NUMBER

XVFB_PID=""
GAME_PID=""
stop_all() {
    if [[ -n "$GAME_PID" ]]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
trap stop_all EXIT

Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

"$GAME" &
GAME_PID=$!
sleep "$SECONDS_SHOWN"
mkdir -p "$(dirname "$SHOT")"
import -window root "$SHOT"
echo "no display: the game ran under Xvfb for $SECONDS_SHOWN s; screenshot: $SHOT"
