#!/usr/bin/env bash
# The Windows program, made on this Debian machine:
#
#     scripts/windows-build.sh [STEP...]
#
# STEPs, in this order (default: all of them):
#   deps       apt-get install the cross compiler, wine, NSIS, fonts, ...
#   qt         Qt 6 for x86_64-w64-mingw32 as DLLs, built once from Debian's
#              qt6-base source package into $YORUMA_QT_CACHE
#              (default ~/.cache/yoruma-qt6-mingw) and reused from there
#   build      the program, its tests and its icon, cross-compiled
#   test       ctest under wine, with code page 1252 and with code page 932
#   e2e        the program under wine and Xvfb: first run, start, main window
#              (screenshot docs/screenshots/windows-main.png), both data files
#   installer  the NSIS installer, then installed (with and without the start
#              at login) and uninstalled under wine
#
# YORUMA_CTEST_ARGS: more ctest arguments for both runs (e.g. -R DataFiles).
# Build folder: $YORUMA_WINDOWS_BUILD (default /tmp/yoruma-windows), holding
# the build, the wine prefix, the staged program and the installer.
# Takes long the first time (Qt: about 33 minutes on 2 cores); not part of
# the regular CI run.

set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CACHE=${YORUMA_QT_CACHE:-$HOME/.cache/yoruma-qt6-mingw}
QT_PREFIX=$CACHE/qt6
OUT=${YORUMA_WINDOWS_BUILD:-/tmp/yoruma-windows}
BUILD=$OUT/build
STAGE=$OUT/stage
JOBS=${YORUMA_JOBS:-2}
TOOLCHAIN=$REPO/cmake/mingw-w64-x86_64.cmake
LOCDIR=$CACHE/locale          # a private ja_JP.UTF-8 locale: wine's code page 932
export WINEPREFIX=$OUT/wineprefix
export WINEDEBUG=-all
GCC_DLLS=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name 2>/dev/null || echo /usr/lib/gcc/x86_64-w64-mingw32/12-posix/x)")

say() { printf '\n=== %s (%s)\n' "$*" "$(date +%T)"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
timed() {  # timed NAME COMMAND...: runs, records the wall time, returns the command's status
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    local failed=""
    ((status == 0)) || failed=", FAILED with exit status $status"
    echo "$name: $((SECONDS - start)) s$failed" | tee -a "$OUT/timings.txt"
    return "$status"
}

mkdir -p "$OUT"
# shellcheck source=scripts/xvfb.sh
source "$REPO/scripts/xvfb.sh"

step_deps() {
    say "Debian packages"
    local packages=(g++-mingw-w64-x86-64-posix wine wine64 nsis locales dpkg-dev cmake ninja-build
                    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n googletest
                    xvfb xdotool imagemagick fonts-ipafont-gothic)
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=()
        [[ $(id -u) -eq 0 ]] || sudo=(sudo)
        "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
    if [[ ! -f $LOCDIR/ja_JP.UTF-8/LC_CTYPE ]]; then
        mkdir -p "$LOCDIR"
        localedef -i ja_JP -f UTF-8 "$LOCDIR/ja_JP.UTF-8" || [[ -f $LOCDIR/ja_JP.UTF-8/LC_CTYPE ]]
    fi
}

step_qt() {
    # A Qt of an earlier build of this script, without accessibility, is built again.
    if [[ -f $QT_PREFIX/lib/cmake/Qt6/Qt6Config.cmake && -f $QT_PREFIX/bin/Qt6Widgets.dll ]] &&
       grep -qx '#define QT_FEATURE_accessibility 1' "$QT_PREFIX/include/QtGui/qtgui-config.h" 2>/dev/null; then
        say "Qt for mingw: reusing $QT_PREFIX"
        return
    fi
    say "Qt for mingw: building into $QT_PREFIX"
    rm -rf "$QT_PREFIX" "$CACHE/build"
    # Debian's own source package, through a private sources list.
    mkdir -p "$CACHE/apt/lists/partial" "$CACHE/src"
    local suite
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src http://deb.debian.org/debian $suite main" >"$CACHE/apt/sources.list"
    local apt=(-o "Dir::Etc::SourceList=$CACHE/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
               -o "Dir::State::Lists=$CACHE/apt/lists")
    if ! ls -d "$CACHE"/src/qt6-base-*/ >/dev/null 2>&1; then
        apt-get "${apt[@]}" update
        (cd "$CACHE/src" && apt-get "${apt[@]}" source qt6-base)
    fi
    local src
    src=$(ls -d "$CACHE"/src/qt6-base-*/ | head -n 1)
    # The host tools (moc, rcc, uic) come from the native Qt of the same version.
    timed qt-configure cmake -S "$src" -B "$CACHE/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
        -DQT_HOST_PATH=/usr -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo \
        -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_accessibility=ON -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_ico=OFF -DFEATURE_direct2d=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
        -DFEATURE_directwrite3=OFF  # its font database needs Direct 2D, which is off
    # The machine is shared: lowest priority.
    timed qt-build nice -n 19 cmake --build "$CACHE/build" -j "$JOBS"
    cmake --install "$CACHE/build" >/dev/null
    rm -rf "$CACHE/build"  # 2.8 GB; the install is what is reused
}

wine_up() {  # a fresh wineserver for the current locale, warmed up
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [[ ! -d $WINEPREFIX/drive_c ]]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w 2>/dev/null || true  # the server wineboot started, or -p below fails
    fi
    # Its stdio goes nowhere: a server holding a caller's pipe would keep
    # the caller (ctest, a pipeline) waiting after everything has ended.
    wineserver -p </dev/null >/dev/null 2>&1
    # Without this warm-up the first program run under ctest can hang on the
    # pipe that wine's service processes keep open.
    wine cmd /c exit 0 >/dev/null 2>&1 || true
}

wine_down() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

step_build() {
    say "The program and its tests, cross-compiled"
    export LANG=C.UTF-8
    unset LOCPATH
    wine_up
    timed program-configure cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DYORUMA_QT_PREFIX="$QT_PREFIX" \
        -DCMAKE_PREFIX_PATH="$QT_PREFIX" -DQT_HOST_PATH=/usr \
        -DQt6HostInfo_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6HostInfo >/dev/null
    timed program-build nice -n 10 cmake --build "$BUILD" -j "$JOBS"
    wine_down
}

run_ctest() {  # run_ctest CODEPAGE
    local codepage=$1 log=$OUT/ctest-$1.log
    if [[ $codepage == 932 ]]; then
        export LOCPATH=$LOCDIR LANG=ja_JP.UTF-8
    else
        unset LOCPATH
        export LANG=C.UTF-8
    fi
    export YORUMA_EXPECT_ACP=$codepage
    wine_up
    local status=0
    # Now and then wine fails to start a program at all (no output, a few
    # milliseconds): such a test gets one more run. The log keeps both, and
    # the retried ones are listed below.
    timed "ctest-$codepage" ctest --test-dir "$BUILD" --timeout 120 --output-on-failure --repeat until-pass:2 \
        ${YORUMA_CTEST_ARGS:-} >"$log" 2>&1 || status=$?
    wine_down
    grep -E 'tests passed|tests failed' "$log" | sed "s/^/code page $codepage: /"
    local retried
    retried=$(grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*Failed' "$log" | sed -E 's/.*Test +#[0-9]+: ([^ ]+) .*/\1/' | sort -u |
              while read -r name; do grep -qE "Test +#[0-9]+: $name \.+ +Passed" "$log" && echo "$name"; done || true)
    [[ -z $retried ]] || echo "code page $codepage: passed at the second run: ${retried//$'\n'/ }"
    echo "code page $codepage: $(grep -c 'Passed' "$log") passed, $(grep -c '\*\*\*Skipped\|Not Run' "$log") skipped (log: $log)"
    [[ $status -eq 0 ]] || { grep -E 'Failed|\*\*\*' "$log" | head -n 20; fail "tests failed under code page $codepage"; }
}

step_test() {
    say "Tests under wine: code page 1252, then 932"
    run_ctest 1252
    run_ctest 932
}

stage_program() {  # everything the installer installs, in $STAGE
    rm -rf "$STAGE"
    mkdir -p "$STAGE/platforms" "$STAGE/styles"
    cp "$BUILD/src/yoruma.exe" "$STAGE/"
    cp "$QT_PREFIX"/bin/Qt6{Core,Gui,Widgets}.dll "$STAGE/"
    cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$STAGE/platforms/"
    if compgen -G "$QT_PREFIX/plugins/styles/*.dll" >/dev/null; then
        cp "$QT_PREFIX"/plugins/styles/*.dll "$STAGE/styles/"
    else
        rmdir "$STAGE/styles"
    fi
    cp "$GCC_DLLS/libstdc++-6.dll" "$GCC_DLLS/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$STAGE/"
    cp /usr/share/qt6/translations/qtbase_ja.qm "$STAGE/"
    cp "$BUILD/packaging/windows/yoruma.ico" "$STAGE/"
    find "$STAGE" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    # Nothing but Windows' own DLLs and the ones shipped may be needed.
    local dll
    for dll in $(x86_64-w64-mingw32-objdump -p "$STAGE"/*.exe "$STAGE"/*.dll "$STAGE"/platforms/*.dll \
                 | awk '/DLL Name:/ {print $3}' | sort -u); do
        [[ -f $STAGE/$dll || $dll == api-ms-win-* ||
           -f /usr/x86_64-w64-mingw32/lib/lib$(echo "${dll%.dll}" | tr '[:upper:]' '[:lower:]').a ]] \
            || fail "$dll is neither shipped nor a Windows DLL"
    done
}

step_e2e() {
    say "End to end: the Windows program under wine and Xvfb (code page 932)"
    stage_program
    local work=$OUT/e2e
    rm -rf "$work"
    mkdir -p "$work/data"
    export LOCPATH=$LOCDIR LANG=ja_JP.UTF-8
    local program
    start_xvfb "$work" 1024x768x24 || fail "Xvfb did not start"
    # shellcheck disable=SC2064
    trap "kill $XVFB_PID 2>/dev/null || true; wineserver -k 2>/dev/null || true" EXIT
    wine_up  # with the display: wine's desktop process needs it from the start
    # Started as from its shortcut: in its data folder, with only the staged
    # DLLs and plugins beside it (no WINEPATH), as on Windows.
    (cd "$work/data" && exec env -u XDG_RUNTIME_DIR WINEQT_FORCE_STDERR_LOGGING=1 \
        /usr/lib/wine/wine64 "$STAGE/yoruma.exe" >"$work/program.log" 2>&1) &
    program=$!

    find_window() {  # find_window TITLE: waits for a visible window whose title matches TITLE
        local i wid
        for ((i = 0; i < 120; i++)); do
            wid=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
            if [[ -n $wid ]]; then echo "$wid"; return 0; fi
            sleep 0.5
        done
        import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null || true
        fail "no window '$1' (screen: $work/failure.png, output: $work/program.log)"
    }
    # Clicks at client pixel X,Y of the first-run window (client 361 × 242,
    # 5415 × 3630 twips). Without a window manager wine draws the frame and
    # caption inside the X window: the client area sits below and inside them.
    click() {
        local wid=$1 x=$2 y=$3 width height border top
        width=$(timeout 5 xdotool getwindowgeometry --shell "$wid" | sed -n 's/^WIDTH=//p')
        height=$(timeout 5 xdotool getwindowgeometry --shell "$wid" | sed -n 's/^HEIGHT=//p')
        border=$(((width - 361) / 2))
        top=$((height - 242 - border))
        timeout 5 xdotool mousemove --window "$wid" $((x + border)) $((y + top)) click 1
        sleep 0.3
    }

    local first confirm main
    first=$(find_window '^ ヨルマ式初期設定 - nubera$')
    echo "ok: first-run window ($first)"
    sleep 1
    click "$first" 296 71
    xdotool key ctrl+a; xdotool type --delay 80 20
    click "$first" 296 123
    xdotool key ctrl+a; xdotool type --delay 80 300
    xdotool key Return
    confirm=$(find_window '^ \( ・◇・\)  - nubera$')
    echo "ok: start confirmation ($confirm)"
    sleep 0.5
    xdotool key Return
    main=$(find_window '^ ヨルマ式 - nubera$')
    echo "ok: main window ($main)"
    sleep 2
    mkdir -p "$REPO/docs/screenshots"
    import -display "$DISPLAY" -window "$main" "$REPO/docs/screenshots/windows-main.png"
    echo "ok: screenshot docs/screenshots/windows-main.png"

    local profile=$work/data/yorumadata/initial.ini options=$work/data/yorumadata/option.ini
    [[ -f $profile && -f $options ]] || fail "the data files are missing in $work/data/yorumadata"
    grep -qaP '^\d+,\d+,\d+,\d+,\d+,20,300,85\r$' "$profile" || fail "initial.ini: $(od -c "$profile" | head -3)"
    echo "ok: initial.ini holds the start with 20 a day, 300 yen: $(tr -d '\r' <"$profile")"
    [[ $(head -c 2 "$options") == "1," ]] || fail "option.ini should start with setupDone 1: $(od -c "$options" | head -3)"
    # The status mode "ソルジャー" in Shift-JIS, then CR LF.
    [[ $(tail -c 14 "$options" | od -An -tx1 | tr -s ' \n' ' ') == ' 22 83 5c 83 8b 83 57 83 83 81 5b 22 0d 0a ' ]] \
        || fail "option.ini should end with \"ソルジャー\" in Shift-JIS: $(tail -c 14 "$options" | od -An -tx1)"
    echo "ok: option.ini starts with setupDone 1 and holds ソルジャー in Shift-JIS"
    kill -0 "$program" 2>/dev/null || fail "the program has ended"
    wineserver -k 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    trap - EXIT
    echo "ok: end to end passed"
}

step_installer() {
    say "The installer"
    [[ -f $STAGE/yoruma.exe ]] || stage_program
    local files=$OUT/files.nsh version
    version=$(sed -n 's/^project(yoruma VERSION \([0-9.]*\).*/\1/p' "$REPO/CMakeLists.txt")
    {
        echo '!macro INSTALL_FILES'
        (cd "$STAGE" && find . -mindepth 1 -type d | sort) | while read -r d; do
            printf '  CreateDirectory "$INSTDIR\\%s"\n' "${d#./}" | tr '/' '\\'
        done
        (cd "$STAGE" && find . -type f | sort) | while read -r f; do
            local dir
            dir=$(dirname "${f#./}")
            [[ $dir == . ]] && dir='' || dir="\\$dir"
            printf '  SetOutPath "$INSTDIR%s"\n' "$dir" | tr '/' '\\'
            printf '  File "%s/%s"\n' "$STAGE" "${f#./}"  # makensis runs here: a Unix path
        done
        echo '  SetOutPath "$INSTDIR"'
        echo '!macroend'
        echo '!macro REMOVE_FILES'
        (cd "$STAGE" && find . -type f | sort) | while read -r f; do
            printf '  Delete "$INSTDIR\\%s"\n' "${f#./}" | tr '/' '\\'
        done
        (cd "$STAGE" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
            printf '  RMDir "$INSTDIR\\%s"\n' "${d#./}" | tr '/' '\\'
        done
        echo '!macroend'
    } >"$files"
    local setup=$OUT/yoruma-setup-$version.exe
    timed installer makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$STAGE" -DFILES="$files" -DOUTFILE="$setup" \
        -DVERSION="$version" "$REPO/packaging/windows/yoruma.nsi"
    echo "installer: $setup ($(stat -c %s "$setup") bytes)"

    # Installed in the wine prefix: silently without the start at login and
    # with it (the default), then through the installer's pages by keyboard
    # with the check box taken off and with it left on (over the installation
    # before each time); then uninstalled.
    export LANG=ja_JP.UTF-8 LOCPATH=$LOCDIR
    start_xvfb "$OUT" 1024x768x24 || fail "Xvfb did not start"
    # shellcheck disable=SC2064
    trap "kill $XVFB_PID 2>/dev/null || true; wineserver -k 2>/dev/null || true" EXIT
    wine_up  # with the display: wine's desktop process needs it from the start
    local user local_app programs startup installed
    # A folder of the user's shell, as the system names it, as a Unix path.
    shell_folder() {
        /usr/lib/wine/wine64 winepath -u "$(/usr/lib/wine/wine64 reg query \
            'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v "$1" 2>/dev/null |
            tr -d '\r' | sed -n 's/.*REG_SZ *//p')" 2>/dev/null | tr -d '\r'
    }
    user=$(/usr/lib/wine/wine64 cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
    local_app=$(/usr/lib/wine/wine64 winepath -u "$user" 2>/dev/null | tr -d '\r')
    programs=$(shell_folder Programs)
    startup=$(shell_folder Startup)
    installed=$local_app/Programs/yoruma

    # A shortcut must start the installed program, with its icon, in the data
    # folder (its working folder), whichever entry it is.
    check_shortcut() {
        local link
        link=$(tr -d '\0' <"$1")
        [[ $link == *'\Programs\yoruma\yoruma.exe'* && $link == *'\Programs\yoruma\yoruma.ico'* &&
           $link == *"${user}\yoruma"* ]] || fail "$1 does not start the program in $user\yoruma"
    }
    # check_entries on|off HOW: the files and entries after an installation
    check_entries() {
        [[ -f $installed/yoruma.exe && -f $installed/Qt6Widgets.dll && -f $installed/platforms/qwindows.dll \
           && -f $installed/qtbase_ja.qm && -f $installed/uninstall.exe ]] || fail "installed files missing in $installed"
        [[ -d $local_app/yoruma ]] || fail "no data folder $local_app/yoruma"
        [[ -f "$programs/ヨルマ式.lnk" ]] || fail "no start-menu entry in $programs"
        check_shortcut "$programs/ヨルマ式.lnk"
        if [[ $1 == on ]]; then
            [[ -f "$startup/ヨルマ式.lnk" ]] || fail "$2: no shortcut in the Startup folder $startup"
            check_shortcut "$startup/ヨルマ式.lnk"
            echo "ok: $2: start-menu entry and Startup/ヨルマ式.lnk, both starting yoruma.exe in $user\yoruma"
        else
            [[ ! -e "$startup/ヨルマ式.lnk" ]] || fail "$2: a shortcut in the Startup folder"
            echo "ok: $2: start-menu entry, nothing in the Startup folder"
        fi
    }
    # page_install on|off KEY...: the installer with its pages, driven by the
    # KEYs from the folder page on; Enter then closes it once it has installed.
    page_install() {
        local autostart=$1 wid i
        shift
        rm -f "$OUT/setup-ended"
        (/usr/lib/wine/wine64 "$setup" >/dev/null 2>&1; touch "$OUT/setup-ended") &
        for ((i = 0; i < 120; i++)); do
            wid=$(timeout 5 xdotool search --onlyvisible --name '^ヨルマ式 セットアップ' 2>/dev/null | head -n 1 || true)
            [[ -n $wid ]] && break
            sleep 0.5
        done
        [[ -n $wid ]] || fail "the installer showed no window"
        xdotool key Return  # the folder page
        sleep 1
        [[ $autostart == off ]] ||
            import -display "$DISPLAY" -window "$wid" "$REPO/docs/screenshots/windows-installer-autostart.png"
        xdotool key "$@"
        for ((i = 0; i < 60; i++)); do
            [[ -e $OUT/setup-ended ]] && break
            xdotool key Return  # 閉じる, enabled once it has installed
            sleep 1
        done
        [[ -e $OUT/setup-ended ]] || fail "the installer did not end"
        check_entries "$autostart" "setup, keys: Return $*"
    }
    # silent_install on|off [OPTION]: a silent installation
    silent_install() {
        local autostart=$1
        shift
        /usr/lib/wine/wine64 "$setup" /S "$@" >/dev/null 2>&1
        check_entries "$autostart" "setup /S${*:+ $*}"
    }
    rm -rf "$installed" "$programs/ヨルマ式.lnk" "$startup/ヨルマ式.lnk"  # what an interrupted run left
    silent_install off /AUTOSTART=0
    silent_install on
    page_install off space Return
    page_install on Return
    echo "ok: screenshot of the page: docs/screenshots/windows-installer-autostart.png"
    echo "ok: installed in $installed, data folder $local_app/yoruma"
    (cd "$installed" && find . -type f | sort | sed 's|^\./|  |') | tee "$OUT/installed-files.txt"
    /usr/lib/wine/wine64 "$installed/uninstall.exe" /S >/dev/null 2>&1
    all_gone() { [[ ! -e $installed/yoruma.exe && ! -e "$programs/ヨルマ式.lnk" && ! -e "$startup/ヨルマ式.lnk" ]]; }
    local i
    for ((i = 0; i < 60; i++)); do  # the uninstaller goes on in a temporary copy
        all_gone && break
        sleep 0.5
    done
    all_gone || fail "the uninstaller left the program or one of its shortcuts"
    echo "ok: uninstalled: program, start-menu entry and Startup shortcut gone"
    wine_down
    kill "$XVFB_PID" 2>/dev/null || true
    trap 'wineserver -k 2>/dev/null || true' EXIT
}

# Whatever happens, no wineserver of this prefix is left behind.
trap 'wineserver -k 2>/dev/null || true' EXIT

steps=("$@")
((${#steps[@]})) || steps=(deps qt build test e2e installer)
echo "--- $(date '+%F %T') ${steps[*]}" >>"$OUT/timings.txt"
for step in "${steps[@]}"; do
    case $step in
        deps | qt | build | test | e2e | installer) "step_$step" ;;
        *) fail "unknown step '$step'" ;;
    esac
done
say "Done"
sed -n '/^--- /h; /^--- /!H; ${x;p}' "$OUT/timings.txt"  # this run's timings
