#!/usr/bin/env bash
# The Windows installer's round trip under Wine: scripts/installer-windows.sh
# makes it from the MinGW build, it installs silently (/S) into a Wine prefix
# of its own, the installed game (C:\Program Files\V-O-RA\vora.exe) started
# from an empty directory writes its parameter file into %APPDATA%\V-O-RA\
# when "S" is answered yes, then the uninstaller runs silently and neither
# the program folder, nor the Start menu entry, nor the uninstall key is left.
# Usage: vora_nsis_e2e.sh WINDOWS_BUILD_DIR. WINEPREFIX, when set, is the
# prefix to use (made when missing; an installed copy must not be there);
# otherwise a temporary one is made and removed. VORA_E2E_* as for the other
# scenarios.
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <windows-build-dir>}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
export WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE=/usr/lib/wine/wine64
[[ -x $WINE ]] || WINE=$(command -v wine64)
WINESERVER=/usr/lib/wine/wineserver
[[ -x $WINESERVER ]] || WINESERVER=$(command -v wineserver)
export WINE WINESERVER
PROGRAM='C:\Program Files\V-O-RA'
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\V-O-RA'

if [[ -z ${VORA_E2E_RUN:-} ]]; then
    OWN_PREFIX=
    if [[ -z ${WINEPREFIX:-} ]]; then
        WINEPREFIX=$(mktemp -d /tmp/vora_nsis_wine.XXXXXX)
        OWN_PREFIX=$WINEPREFIX
    fi
    export WINEPREFIX
    finish() {
        timeout 30 "$WINESERVER" -k >/dev/null 2>&1 || true
        if [[ -n $OWN_PREFIX ]]; then rm -rf "$OWN_PREFIX"; fi
    }
    trap finish EXIT
    quiet() { DISPLAY= timeout -k 10 "$1" "$WINE" "${@:2}" </dev/null >/dev/null 2>&1; }
    SETUP=$(bash "$ROOT/scripts/installer-windows.sh" "$BUILD_ARG")
    echo "PASS: installer $SETUP"
    [[ -f $WINEPREFIX/system.reg ]] || quiet 300 wineboot -i
    DRIVE=$WINEPREFIX/drive_c
    INSTALLED="$DRIVE/Program Files/V-O-RA"
    LINK="$DRIVE/ProgramData/Microsoft/Windows/Start Menu/Programs/V-O-RA.lnk"
    [[ ! -e $INSTALLED ]] || { echo "FAIL: V-O-RA is already installed in $WINEPREFIX" && exit 1; }
    status=0
    quiet 120 "$SETUP" /S || { echo "FAIL: the silent install failed" && exit 1; }
    if [[ -f $INSTALLED/vora.exe && -f $INSTALLED/uninstall.exe && -f $LINK ]] &&
        quiet 60 reg query "$KEY"; then
        echo "PASS: installed silently: the game, the uninstaller, the Start menu entry and the uninstall key"
    else
        echo "FAIL: the install is not complete"
        status=1
    fi
    # The scenario, bare. A Wine session keeps the display it started on: the
    # install's session (no display) ends first, and the scenario's after it.
    timeout 60 "$WINESERVER" -w >/dev/null 2>&1 || true
    VORA_E2E_RUN=bare bash "$0" "$@" || status=1
    timeout 30 "$WINESERVER" -k >/dev/null 2>&1 || true
    timeout 30 "$WINESERVER" -w >/dev/null 2>&1 || true
    # The uninstaller copies itself aside and returns at once: its end is
    # waited for.
    quiet 120 "$PROGRAM\\uninstall.exe" /S || { echo "FAIL: the silent uninstall failed" && exit 1; }
    for _ in $(seq 300); do
        [[ -e $INSTALLED ]] || break
        sleep 0.2
    done
    timeout 60 "$WINESERVER" -w >/dev/null 2>&1 || true
    left=()
    [[ -e $INSTALLED ]] && left+=("the program folder")
    [[ -e $LINK ]] && left+=("the Start menu entry")
    quiet 60 reg query "$KEY" && left+=("the uninstall key")
    if ((${#left[@]} == 0)); then
        echo "PASS: uninstalled silently, nothing left"
    else
        echo "FAIL: left after uninstalling: ${left[*]}"
        status=1
    fi
    exit "$status"
fi

# The scenario: the installed game from an empty directory.
BUILD=$(cd "$BUILD_ARG" && pwd)
export VORA_PLAN_CMD="$WINE $BUILD/tests/voraplan.exe"
PLAN_ARGS=(1)
APPDATA_DIR=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming
prepare_game() {
    GAME_CMD=("$WINE" "$PROGRAM\\vora.exe")
    GAME_DIR=$WORK/empty
    mkdir -p "$GAME_DIR"
    rm -rf "$APPDATA_DIR/V-O-RA"
}
source "$(dirname "$0")/vora_common.sh"
FILE="$APPDATA_DIR/V-O-RA/V-O-RA 110.TXT"
read -r SX SY <<<"$(pos S)"
read -r QX QY <<<"$(pos X)"
click "$SX" "$SY"
boxkey Return
if wait_for grep -q "gri=1" "$FILE"; then pass "\"S\" wrote %APPDATA%\\V-O-RA\\V-O-RA 110.TXT"; else fail "no parameter file in %APPDATA%\\V-O-RA"; fi
[[ -z $(ls -A "$GAME_DIR") ]] && pass "the current directory stays empty" || fail "written in the current directory: $(ls -A "$GAME_DIR")"
click "$QX" "$QY"
boxkey n
if wait_for bash -c "! kill -0 $GAME_PID"; then
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
    pass "the game quits"
else
    fail "the game did not end"
fi
echo "$FAILURES failure(s)"
((FAILURES == 0))
