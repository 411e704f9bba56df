#!/usr/bin/env bash
# The Debian package from end to end: cpack makes it from the build, it
# depends on the fonts the drawing needs, lintian finds no error in it nor
# missing hardening, appstreamcli accepts its AppStream metadata, and it
# unpacks into a clean directory tree (dpkg -x). The unpacked game answers
# --version with the package's version and --help in the desktop's language
# without a display, and exits. The unpacked game, started
# under Xvfb from an empty directory with HOME in the scratch directory,
# writes its parameter file into ~/.local/share/vora/ when "S" is answered
# yes; started again beside a parameter file of its own, it reads, saves and
# keeps that one and leaves the data folder's alone. As root, with
# VORA_DEB_SYSTEM=1, the package is also installed on the machine with dpkg
# and purged, and nothing of it may be left.
# Usage: vora_deb_e2e.sh BUILD_DIR (a Linux build of the game); the other
# VORA_E2E_* variables as for vora_param_e2e.sh. The scenario runs bare only
# (VORA_E2E_WM).
set -euo pipefail

BUILD_ARG=${1:?usage: $0 <build-dir>}
export VORA_E2E_WM=${VORA_E2E_WM:-bare}
if [[ -z ${VORA_E2E_RUN:-} ]]; then
    BUILD=$(cd "$BUILD_ARG" && pwd)
    DEB_TMP=$(mktemp -d /tmp/vora_deb.XXXXXX)
    trap 'rm -rf "$DEB_TMP"' EXIT
    (cd "$BUILD" && cpack -G DEB -B "$DEB_TMP/out" >"$DEB_TMP/cpack.log" 2>&1) || {
        cat "$DEB_TMP/cpack.log"
        echo "FAIL: cpack could not make the package"
        exit 1
    }
    DEB=$(ls "$DEB_TMP"/out/vora_*.deb)
    echo "PASS: package $(basename "$DEB")"
    depends=$(dpkg-deb -f "$DEB" Depends)
    [[ $depends == *fonts-liberation* ]] || { echo "FAIL: no fonts-liberation in Depends: $depends" && exit 1; }
    echo "PASS: the package depends on fonts-liberation"
    # Lintian's errors and missing hardening fail; its warnings are shown.
    lintian -I "$DEB" 2>/dev/null | tee "$DEB_TMP/lintian.log"
    if grep -q '^E:' "$DEB_TMP/lintian.log"; then echo "FAIL: lintian errors" && exit 1; fi
    if grep -q 'hardening-no-' "$DEB_TMP/lintian.log"; then echo "FAIL: the game lacks hardening" && exit 1; fi
    echo "PASS: lintian reports no error and no missing hardening"
    dpkg -x "$DEB" "$DEB_TMP/root"
    appstreamcli validate --no-net "$DEB_TMP"/root/usr/share/metainfo/*.metainfo.xml ||
        { echo "FAIL: appstreamcli refused the metadata" && exit 1; }
    echo "PASS: appstreamcli accepts the metadata"
    for f in usr/games/vora usr/share/applications/vora.desktop usr/share/man/man6/vora.6.gz \
        usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/vora.png; do
        [[ -f $DEB_TMP/root/$f ]] || { echo "FAIL: $f missing from the package" && exit 1; }
    done
    echo "PASS: the package holds the game, its desktop entry, manual page and icons"
    game=$DEB_TMP/root/usr/games/vora
    version=$(env -u DISPLAY "$game" --version)
    [[ $version == "V-O-RA $(dpkg-deb -f "$DEB" Version)" ]] ||
        { echo "FAIL: --version printed \"$version\"" && exit 1; }
    help_en=$(env -u DISPLAY -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$game" --help)
    help_fr=$(env -u DISPLAY -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 "$game" --help)
    [[ $help_en == Usage:* && $help_fr == Utilisation* ]] ||
        { echo "FAIL: --help printed \"${help_en%%$'\n'*}\" and \"${help_fr%%$'\n'*}\"" && exit 1; }
    echo "PASS: --version and --help answer on the console and exit"
    if [[ ${VORA_DEB_SYSTEM:-0} == 1 && $(id -u) == 0 ]]; then
        if dpkg-query -W -f='${Status}' vora 2>/dev/null | grep -q 'ok installed'; then echo "FAIL: a vora package is already installed" && exit 1; fi
        dpkg -i "$DEB" >/dev/null
        [[ -x /usr/games/vora ]] || { echo "FAIL: dpkg -i did not install the game" && exit 1; }
        dpkg -c "$DEB" | awk '$1 !~ /^d/ {print substr($6, 2)}' >"$DEB_TMP/files"
        dpkg -P vora >/dev/null
        left=$(while read -r f; do if [[ -e $f ]]; then echo "$f"; fi; done <"$DEB_TMP/files")
        [[ -z $left ]] || { echo "FAIL: left after dpkg -r: $left" && exit 1; }
        echo "PASS: installed with dpkg -i and purged by dpkg -P without leftovers"
    fi
    export VORA_GAME_CMD=$DEB_TMP/root/usr/games/vora
fi

PLAN_ARGS=(1)
# An empty current directory, a home of its own, no XDG_DATA_HOME.
prepare_game() {
    export HOME=$WORK/home
    unset XDG_DATA_HOME
    GAME_DIR=$WORK/empty
    mkdir -p "$HOME" "$GAME_DIR"
}
source "$(dirname "$0")/vora_common.sh"
DATA_FILE="$HOME/.local/share/vora/V-O-RA 110.TXT"
HERE_FILE="$GAME_DIR/V-O-RA 110.TXT"
read -r SX SY <<<"$(pos S)"
read -r QX QY <<<"$(pos X)"

# "S" and yes (Enter), then the quit question answered no.
save_and_quit() {
    click "$SX" "$SY"
    boxkey Return
    wait_for grep -q "gri=" "$1" || return 1
    click "$QX" "$QY"
    boxkey n
    if (($(xdotool search --onlyvisible --name '^V-O-RA' | wc -l) > 1)); then boxkey n; fi
    wait_for bash -c "! kill -0 $GAME_PID" || return 1
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
}

if save_and_quit "$DATA_FILE"; then pass "\"S\" wrote the data folder's file"; else fail "no parameter file in $HOME/.local/share/vora/"; fi
[[ -e "$DATA_FILE.lock" ]] && pass "the lock file is beside it" || fail "no lock file beside the data folder's file"
[[ -z $(ls -A "$GAME_DIR") ]] && pass "the current directory stays empty" || fail "written in the current directory: $(ls -A "$GAME_DIR")"

# A parameter file in the current directory is the one used, and kept.
cp "$DATA_FILE" "$WORK/data-before.txt"
printf 'gri=2\r\nusr=the player'"'"'s own line\r\n' >"$HERE_FILE"
"${GAME_CMD[@]}" >>"$WORK/game.log" 2>&1 &
GAME_PID=$!
wait_for find_window || fail "the game did not start again"
settle
if save_and_quit "$HERE_FILE" && grep -q "gv2:A=" "$HERE_FILE" && grep -q "^usr=the player's own line" "$HERE_FILE"; then
    pass "the current directory's file is read (grid 2), saved and keeps the player's line"
else
    fail "the current directory's file was not the one used"
fi
cmp -s "$WORK/data-before.txt" "$DATA_FILE" && pass "the data folder's file is left alone" || fail "the data folder's file changed"

echo "$FAILURES failure(s)"
((FAILURES == 0))
