#!/usr/bin/env bash
# Builds the Windows version of the game with the mingw-w64 cross compiler and
# runs its tests under Wine, in three stages that the test command runs apart
# (one may be given; without one all three run in order):
#   build      the cross build (build/windows);
#   unit       every unit test program through CTest under a private Xvfb
#              display, then the comparison of the layer's font widths with
#              Wine's (font_widths, built for both systems: within 5 %);
#   scenarios  the platform demonstration's end-to-end scenario against the
#              Windows demo, the game's scenarios against the Windows game and
#              the installer's round trip (tests/e2e/vora_nsis_e2e.sh, in a
#              prefix of its own), each run (bare, under openbox) a job of its
#              own, VORA_WINE_JOBS
#              (default 2) at a time, each job in a Wine prefix of its own
#              (copies of the first) so that their Wine servers and %APPDATA%
#              folders stay apart.
# Works without a display or a terminal; every Wine call has a time limit;
# stops the Wine servers and the X server it started.
#
# The Wine prefix is build/wineprefix, made on first use (its copies
# build/wineprefix-2 ... are made again from it). VORA_WINE_TEST_TIMEOUT
# (default 300) is the limit in seconds for one test program.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=$ROOT/build/windows
JOBS=$(nproc)
TEST_TIMEOUT=${VORA_WINE_TEST_TIMEOUT:-300}
STAGE=${1:-all}
case $STAGE in build | unit | scenarios | all) ;; *)
    echo "usage: $0 [build|unit|scenarios|all]" >&2
    exit 2
    ;;
esac
stage() { [[ $STAGE == all || $STAGE == "$1" ]]; }
# shellcheck source=scripts/lib/phases.sh
source "$ROOT/scripts/lib/phases.sh"

export WINEPREFIX=$ROOT/build/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko (their installers would ask to download them), and no menu
# entries or file associations written into the user's desktop settings.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The 64-bit loader itself: Debian's `wine` launcher wants a 32-bit Wine too.
WINE=""
for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
    if [[ -n $candidate && -x $candidate ]]; then
        WINE=$candidate
        break
    fi
done
WINESERVER=""
for candidate in /usr/lib/wine/wineserver "$(command -v wineserver || true)"; do
    if [[ -n $candidate && -x $candidate ]]; then
        WINESERVER=$candidate
        break
    fi
done
if [[ -z $WINE || -z $WINESERVER ]]; then
    echo "windows-test: Wine not found (Debian package wine64)" >&2
    exit 1
fi
export WINELOADER=$WINE

XVFB_PID=""
server_started=0

stop_wine() {
    if ((server_started)); then
        timeout 30 "$WINESERVER" -k >/dev/null 2>&1 || true
        timeout 30 "$WINESERVER" -w >/dev/null 2>&1 || true
        server_started=0
    fi
}

stop_xvfb() {
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

cleanup() {
    stop_wine
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts a private X server and points DISPLAY at it.
start_xvfb() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries=0
    while [[ ! -s $fd_file ]]; do
        if ((tries++ > 100)) || ! kill -0 "$XVFB_PID" 2>/dev/null; then
            echo "windows-test: Xvfb did not start" >&2
            rm -f "$fd_file"
            exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}

# Runs Wine with a time limit and its output discarded.
wine_quiet() {
    local limit=$1
    shift
    timeout -k 10 "$limit" "$WINE" "$@" </dev/null >/dev/null 2>&1
}

# Makes the prefix once, headless. "Arial" and "Times New Roman" are drawn
# with the metric-compatible Liberation faces (fonts-liberation); "Helvetica"
# is already a substitute for "Arial" in a new prefix.
make_prefix() {
    local ready=$WINEPREFIX/.vora-ready
    [[ -f $ready ]] && return 0
    echo "--- making the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    server_started=1
    DISPLAY="" wine_quiet 300 wineboot -i
    local key='HKCU\Software\Wine\Fonts\Replacements'
    DISPLAY="" wine_quiet 60 reg add "$key" /v "Arial" /t REG_SZ /d "Liberation Sans" /f
    DISPLAY="" wine_quiet 60 reg add "$key" /v "Times New Roman" /t REG_SZ /d "Liberation Serif" /f
    # The registry reaches the disk when the server ends.
    timeout 120 "$WINESERVER" -w
    server_started=0
    touch "$ready"
}

# The game's executable carries the version resource of the project's
# version and the manifest with the per-monitor DPI awareness; a test program
# carries no version resource. The resources are read back by the resource
# compiler itself (windres decompiles an executable's .rsrc section into a
# script): a fraction of a second.
check_exe_resources() {
    echo "--- the resources of vora.exe"
    local windres version major minor patch tweak rc manifest key bad=0
    windres=x86_64-w64-mingw32-windres # the toolchain file's resource compiler
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
    IFS=. read -r major minor patch tweak <<<"$version"
    rc=$("$windres" -J coff -O rc -i "$BUILD/shell/vora.exe")
    # The manifest's text: the strings of the block of RT_MANIFEST 1 joined.
    manifest=$(awk '/^1 24 /{ m = 1; next } m && /^END/{ exit } m && /^ *"/{
        sub(/^ *"/, ""); sub(/"$/, ""); gsub(/""/, "\""); gsub(/\\n/, "\n"); printf "%s", $0 }' <<<"$rc")
    fail() {
        echo "  $1" >&2
        bad=1
    }
    grep -q "^ FILEVERSION $major, $minor, ${patch:-0}, ${tweak:-0}\$" <<<"$rc" ||
        fail "vora.exe: no VERSIONINFO of FILEVERSION $major,$minor,${patch:-0},${tweak:-0}"
    for key in FileVersion ProductVersion; do
        grep -Eq "VALUE \"$key\", L?\"${version//./\\.}\"" <<<"$rc" ||
            fail "vora.exe: no $key \"$version\""
    done
    for key in ProductName FileDescription CompanyName OriginalFilename LegalCopyright; do
        grep -q "VALUE \"$key\"" <<<"$rc" || fail "vora.exe: no $key"
    done
    grep -q '<dpiAware [^>]*>true/pm</dpiAware>' <<<"$manifest" ||
        fail "vora.exe: no manifest (RT_MANIFEST 1) with dpiAware true/pm"
    grep -q '<dpiAwareness [^>]*>PerMonitorV2,PerMonitor</dpiAwareness>' <<<"$manifest" ||
        fail "vora.exe: no dpiAwareness PerMonitorV2,PerMonitor in the manifest"
    grep -q '<requestedExecutionLevel level="asInvoker"' <<<"$manifest" ||
        fail "vora.exe: no asInvoker execution level in the manifest"
    # The version resource is the game's alone: a test program that takes the
    # rules pictures and the icon (ressourcesregles) has no version resource.
    local other=$BUILD/render/pageregle_tests.exe
    if [[ -f $other ]]; then
        rc=$("$windres" -J coff -O rc -i "$other")
        grep -q "^100 14 " <<<"$rc" || fail "$(basename "$other"): no icon group resource"
        ! grep -q VERSIONINFO <<<"$rc" || fail "$(basename "$other"): a version resource"
    fi
    if ((bad)); then
        echo "windows-test: the resources of vora.exe are not as expected" >&2
        exit 1
    fi
    echo "  version $version; manifest: per-monitor DPI aware (PerMonitorV2), asInvoker"
}

if stage build; then
    echo "--- cross build (mingw-w64) in $BUILD"
    cmake -S . -B "$BUILD" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVORA_WERROR=ON
    cmake --build "$BUILD" -j "$JOBS"
    check_exe_resources
fi
stage unit || stage scenarios || exit 0

make_prefix

if stage unit; then
    echo "--- unit tests under Wine"
    start_xvfb
    # One Wine server for every test program: each then starts in a tenth of a
    # second instead of booting Wine's services again. The services start here,
    # not inside a test program, whose output pipe they would inherit and hold
    # open (CTest would wait for it until the time limit).
    server_started=1
    timeout 30 "$WINESERVER" -p </dev/null >/dev/null 2>&1
    wine_quiet 120 cmd /c exit
    timeout -k 10 3600 ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS" --timeout "$TEST_TIMEOUT"

    # The same texts in the same fonts, measured by the layer (the Linux build of
    # font_widths) and by Wine: every width within 5 %.
    echo "--- font widths: the layer against Wine"
    LINUX_BUILD=$ROOT/build/release
    if [[ ! -f $LINUX_BUILD/CMakeCache.txt ]]; then
        cmake -S . -B "$LINUX_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORA_WERROR=ON
    fi
    cmake --build "$LINUX_BUILD" --target font_widths
    FONT_DIR=$(mktemp -d)
    (cd "$FONT_DIR" && "$LINUX_BUILD/tests/platform_demo/font_widths" layer.out)
    (cd "$FONT_DIR" && wine_quiet 120 "$BUILD/tests/platform_demo/font_widths.exe" wine.out)
    font_status=0
    awk -F'|' '
        NR == FNR { sub(/\r$/, ""); wine[FNR] = $0; next }
        {
            split(wine[FNR], w, "|"); split(w[6], ws, " "); split($6, ls, " ")
            n++
            d = (ls[1] - ws[1]) / (ws[1] > 0 ? ws[1] : 1); if (d < 0) d = -d
            if (d > worst) worst = d
            if (d > 0.05) { bad++; printf "  %s %s %sx%s \"%s\": layer %s px, Wine %s px\n", $1, $2, $3, $4, $5, ls[1], ws[1] }
        }
        END {
            printf "  %d measures, %d beyond 5 %%, largest difference %.1f %%\n", n, bad, worst * 100
            exit (n == 0 || bad > 0)
        }' "$FONT_DIR/wine.out" "$FONT_DIR/layer.out" || font_status=$?
    rm -rf "$FONT_DIR"
    stop_wine
    stop_xvfb
    if ((font_status != 0)); then
        echo "windows-test: the layer's font widths differ from Wine's" >&2
        exit 1
    fi
fi
stage scenarios || exit 0

# Every scenario run as a job: the demonstration's (its demo started through
# Wine) and the game's (the Windows game and its positions program started
# through Wine), bare and under openbox. The parameter file's scenario is
# slow under Wine and does not depend on the window manager: it runs bare
# only there. Each scenario makes its own Xvfb display; the job's Wine server
# is stopped after it.
GAME=$BUILD/shell/vora.exe
PLAN=$BUILD/tests/voraplan.exe
DEMO=$BUILD/tests/platform_demo/platform_demo.exe
WINE_JOBS=${VORA_WINE_JOBS:-2}
for ((slot = 2; slot <= WINE_JOBS; slot++)); do
    rm -rf "$WINEPREFIX-$slot"
    cp -a "$WINEPREFIX" "$WINEPREFIX-$slot"
done
jobs_file=$(mktemp)
add_job() {
    local name=$1 e2e=$2 wm=$3 env=$4
    [[ -f $e2e ]] || return 0
    # The job's prefix: the first, or its copy for the job's slot. The
    # prefix's %APPDATA% (Wine sets it from the prefix's user): the game's
    # scenarios link the game's data folder there to their scratch directory.
    # timeout leads a process group of its own: whatever the scenario leaves
    # running in it (its X server, after a failure) is stopped with it.
    local line="p=$WINEPREFIX; ((JOB_SLOT > 1)) && p=$WINEPREFIX-\$JOB_SLOT;"
    line+=" export WINEPREFIX=\$p VORA_WINE_APPDATA=\$p/drive_c/users/$(id -un)/AppData/Roaming;"
    line+=" $env VORA_WINESERVER=$WINESERVER VORA_E2E_WM=$wm timeout -k 10 600 bash $e2e $BUILD &"
    line+=" e=\$!; s=0; wait \$e || s=\$?; kill -- -\$e 2>/dev/null;"
    line+=" timeout 30 $WINESERVER -k >/dev/null 2>&1; timeout 30 $WINESERVER -w >/dev/null 2>&1;"
    line+=" exit \$s"
    echo "$name $line" >>"$jobs_file"
}
if [[ -f $DEMO ]]; then
    for wm in bare openbox; do
        add_job "platform_demo-$wm" tests/e2e/platform_demo_e2e.sh $wm \
            "VORA_DEMO_CMD='$WINE $DEMO' VORA_E2E_TIMEOUT=30"
    done
fi
if [[ -f $GAME && -f $PLAN ]]; then
    for E2E in tests/e2e/vora_e2e.sh tests/e2e/vora_fin_e2e.sh tests/e2e/vora_param_e2e.sh \
        tests/e2e/vora_forme_e2e.sh tests/e2e/vora_taille_e2e.sh tests/e2e/vora_clavier_e2e.sh \
        tests/e2e/vora_records_e2e.sh tests/e2e/vora_indice_e2e.sh tests/e2e/vora_nouvelle_e2e.sh; do
        wms="bare openbox"
        [[ $E2E == *vora_param_e2e.sh ]] && wms=bare
        for wm in $wms; do
            add_job "$(basename "$E2E" .sh)-$wm" "$E2E" $wm \
                "VORA_GAME_CMD='$WINE $GAME' VORA_PLAN_CMD='$WINE $PLAN' VORA_E2E_TIMEOUT=40"
        done
    done
fi
# The installer's round trip makes a prefix of its own.
if [[ -f tests/e2e/vora_nsis_e2e.sh ]]; then
    echo "vora_nsis_e2e timeout -k 10 900 bash tests/e2e/vora_nsis_e2e.sh $BUILD" >>"$jobs_file"
fi
echo "--- the scenarios under Wine and the installer's round trip, $WINE_JOBS at a time"
status=0
run_parallel "$WINE_JOBS" "$BUILD/e2e-logs" <"$jobs_file" || status=$?
rm -f "$jobs_file"
if ((status != 0)); then
    echo "windows-test: a scenario failed under Wine" >&2
    exit 1
fi

echo "Windows build: all tests passed"
