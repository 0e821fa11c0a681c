# shellcheck shell=bash disable=SC2034  # (the variables are for the test scripts)
# What the end-to-end tests share: the real program ($1) on a private Xvfb
# display with a faked clock, in a fresh folder with a fresh home, all under
# $YORUMA_E2E_ROOT (default $TMPDIR or /tmp). Everything a test starts is
# stopped by the exit trap, by process id. The folder is removed after a pass
# unless YORUMA_E2E_KEEP is set.
set -euo pipefail
[[ $# -ge 1 && -x "$1" ]] || { echo "usage: $0 PATH/TO/yoruma" >&2; exit 2; }
E2E_BIN=$(readlink -f "$1")
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/xvfb.sh
source "$E2E_DIR/../../scripts/xvfb.sh"
E2E_NAME=$(basename "$0" .sh)
E2E_FAKETIME_LIB=${YORUMA_FAKETIME_LIB:-$(find /usr/lib -path '*/faketime/libfaketime.so.1' -print -quit)}
for tool in Xvfb xdotool xclip trayer; do
    command -v "$tool" >/dev/null || { echo "FAIL: '$tool' is not installed (run scripts/install-deps.sh)" >&2; exit 1; }
done
[[ -f "$E2E_FAKETIME_LIB" ]] || { echo "FAIL: libfaketime.so.1 not found (run scripts/install-deps.sh)" >&2; exit 1; }

mkdir -p "${YORUMA_E2E_ROOT:-${TMPDIR:-/tmp}}"
E2E_WORK=$(mktemp -d "${YORUMA_E2E_ROOT:-${TMPDIR:-/tmp}}/yoruma-e2e-$E2E_NAME.XXXXXX")
E2E_DATA="$E2E_WORK/data"  # the program's current directory
mkdir -p "$E2E_DATA/yorumadata" "$E2E_WORK/home" "$E2E_WORK/runtime"
chmod 700 "$E2E_WORK/runtime"
echo "== $E2E_NAME: working in $E2E_WORK"
# The single-instance lock and Qt's caches never touch the user's or another test's.
export HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/no-bus"  # no other desktop's tray
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_SESSION_TYPE WAYLAND_DISPLAY DISPLAY
cd "$E2E_DATA"
XVFB_PID=""
E2E_PIDS=()
E2E_PASSED=0

e2e_cleanup() {
    local status=$? pid
    set +e
    for pid in "${E2E_PIDS[@]}" $XVFB_PID; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    if [[ $E2E_PASSED -eq 1 && $status -eq 0 && -z "${YORUMA_E2E_KEEP:-}" ]]; then
        cd / && rm -rf "$E2E_WORK"
    else
        echo "== $E2E_NAME: kept $E2E_WORK"
    fi
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_fail() {
    echo "FAIL: $*" >&2
    tail -n 40 "$E2E_WORK/program.log" >&2 2>/dev/null || true
    exit 1
}
e2e_ok() { echo "ok: $*"; }
e2e_pass() {
    E2E_PASSED=1
    echo "== $E2E_NAME: passed"
    exit 0
}

e2e_start_display() { start_xvfb "$E2E_WORK" || e2e_fail "Xvfb did not start"; }

# A tray host, which must be there before the program asks for a tray.
e2e_start_tray() {
    trayer --edge top --align right --widthtype request --height 24 --transparent false >"$E2E_WORK/trayer.log" 2>&1 &
    E2E_PIDS+=("$!")
    sleep 0.5
}

# e2e_start_program MOMENT [BLOCKS]: starts the program in the data folder with
# the clock running from MOMENT (Tokyo time; "-" keeps the real clock, as the
# faked clock writes a file of its own) and, with BLOCKS, that file-size limit
# (ulimit -f) for the program alone. Sets E2E_PID.
e2e_start_program() {
    local clock=()
    [[ $1 == - ]] || clock=(FAKETIME="@$1" LD_PRELOAD="$E2E_FAKETIME_LIB")
    (
        if [[ -n "${2:-}" ]]; then ulimit -f "$2"; fi
        # A sanitizer build wants its runtime first; the clock before it is harmless.
        exec env TZ=Asia/Tokyo "${clock[@]}" ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
            LSAN_OPTIONS="suppressions=$E2E_DIR/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}" "$E2E_BIN"
    ) >>"$E2E_WORK/program.log" 2>&1 &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
}

# e2e_expect_exit PID WHAT: the program ends within 15 s with status 0.
e2e_expect_exit() {
    local i status=0
    for ((i = 0; i < 150; i++)); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1" 2>/dev/null || status=$?
            [[ $status == 0 ]] || e2e_fail "$2: the program ended with status $status"
            e2e_ok "$2: the program ended (status 0)"
            return
        fi
        sleep 0.1
    done
    e2e_fail "$2: the program did not end"
}

# e2e_expect_window PID TITLE-REGEX WHAT: waits up to 10 s for the process's
# visible window with that title (the program's titles begin with a blank);
# leaves its id in E2E_WID.
e2e_expect_window() {
    local i
    for ((i = 0; i < 100; i++)); do
        E2E_WID=$(timeout 5 xdotool search --onlyvisible --all --pid "$1" --name "$2" 2>/dev/null | head -n 1) || true
        if [[ -n "$E2E_WID" ]]; then e2e_ok "$3 is shown" && return; fi
        sleep 0.1
    done
    e2e_fail "$3 did not appear (title $2)"
}

# e2e_expect_gone PID WID WHAT: window WID of the process is no longer shown.
e2e_expect_gone() {
    local i
    for ((i = 0; i < 100; i++)); do
        timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null | grep -qx "$2" || { e2e_ok "$3 has gone" && return; }
        sleep 0.1
    done
    e2e_fail "$3 is still shown"
}

# Clicks at client pixel X,Y of window WID (a pixel is 15 twips).
e2e_click() { timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 || e2e_fail "could not click $2,$3 in $1"; }
e2e_key() { timeout 5 xdotool key --delay 60 "$@" || e2e_fail "could not press $*"; }
e2e_type() { timeout 10 xdotool type --delay 30 "$1" || e2e_fail "could not type '$1'"; }
e2e_position() { timeout 5 xdotool getwindowgeometry --shell "$1" | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} END{print x, y}'; }

# Types COUNT and PRICE into the first-run window WID's two boxes.
e2e_type_profile() {
    e2e_click "$1" 296 71
    e2e_type "$2"
    e2e_click "$1" 296 123
    e2e_type "$3"
}

# e2e_menu WID X Y N: opens window WID's popup menu with a right click at X,Y
# and chooses entry N (1: "コピーする") with the keyboard.
e2e_menu() {
    local keys=() i
    # No --sync: the pointer may already stand there, and would never be seen to move.
    timeout 5 xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click 3 || e2e_fail "could not right-click $1"
    sleep 0.4
    for ((i = 0; i < $4; i++)); do keys+=(Down); done
    e2e_key "${keys[@]}" Return
}

# e2e_read_selection clipboard|primary FILE: the selection's text, bytes as
# they are, read while the program that holds it runs.
e2e_read_selection() {
    local i
    for ((i = 0; i < 30; i++)); do
        timeout 5 xclip -o -selection "$1" -t UTF8_STRING >"$2" 2>/dev/null && [[ -s "$2" ]] && return
        sleep 0.1
    done
    e2e_fail "nothing in the $1 selection"
}

# e2e_read_message PID FILE: the text of the process's message box, selected by
# a triple click (offered as PRIMARY); then OK.
e2e_read_message() {
    e2e_expect_window "$1" '^ヨルマ式$' "message box"
    timeout 5 xdotool mousemove --window "$E2E_WID" 120 16 sleep 0.3 click --repeat 3 --delay 80 1 || e2e_fail "no click"
    e2e_read_selection primary "$2"
    e2e_key Return
    e2e_expect_gone "$1" "$E2E_WID" "message box"
}

# e2e_expect_bytes FILE PRINTF-FORMAT WHAT
e2e_expect_bytes() {
    # shellcheck disable=SC2059
    printf "$2" >"$E2E_WORK/expected.bin"
    cmp -s "$E2E_WORK/expected.bin" "$1" || { od -c "$1" >&2; e2e_fail "$3: $1 is not $2"; }
    e2e_ok "$3: $(basename "$1") is $2"
}

E2E_TITLE_FIRST_RUN='^ ヨルマ式初期設定 - nubera$'
E2E_TITLE_CONFIRM='^ \( ・◇・\)  - nubera$'
E2E_TITLE_MAIN='^ ヨルマ式 - nubera$'
E2E_TITLE_MINI='^ ヨルマ式 mini mode$'
E2E_TITLE_SETTINGS='^ 設定ウィンドウ - 全て半角で記入してください - nubera$'

# A tracker started on 5 October 2008 at 9:00, 20 a day at 300 yen, standard
# size, copy with details; the main window at 1200, 900 twips (80, 60 pixels).
E2E_PREPARED_OPTIONS='1,8744,5,1,5,1,1200,900,9241372,16777215,"",2,0,0,"ソルジャー"'
e2e_prepare_started_tracker() {
    mkdir -p "$E2E_DATA/yorumadata"
    printf '2008,10,5,9,0,20,300,85\r\n' >"$E2E_DATA/yorumadata/initial.ini"
    printf '%s\r\n' "$E2E_PREPARED_OPTIONS" >"$E2E_DATA/yorumadata/option.ini"
}
# Its report on 15 October 2008 at 12:07, in printf form.
E2E_PREPARED_REPORT='ステータス： 少尉\r\nヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n'
E2E_PREPARED_REPORT+='ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n延びた寿命： 0日と18時間34分\r\n'
E2E_PREPARED_REPORT+='節約できた金額： 3038円（節税分 1915円）\r\n節煙本数： 202本 17.22ｍ シャア専用ザク'
