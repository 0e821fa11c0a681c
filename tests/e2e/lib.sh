# shellcheck shell=bash disable=SC2034  # (the variables are for the test scripts)
# Shared helpers for the end-to-end tests: the real program on its own Xvfb
# display, with a faked clock, in a fresh folder and a fresh home.
#
# A test script does:
#     source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"   # $1: the built yoruma
#     e2e_start_display
#     e2e_start_program '2008-10-15 12:07:00'
#     ...
#     e2e_pass
#
# Everything a test starts is stopped by the exit trap, by process id.
# Each test works in a folder of its own under $YORUMA_E2E_ROOT (default
# $TMPDIR or /tmp), holding the program's data folder, its home, its output
# and the screenshots. The folder is removed after a pass unless
# YORUMA_E2E_KEEP is set, and always kept after a failure; its path is
# printed at the start.

set -euo pipefail

if [[ $# -lt 1 || ! -x "$1" ]]; then
    echo "usage: $0 PATH/TO/yoruma" >&2
    exit 2
fi

E2E_BIN=$(readlink -f "$1")
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/xvfb.sh
source "$E2E_DIR/../../scripts/xvfb.sh"
E2E_NAME=$(basename "$0" .sh)
E2E_FAKETIME_LIB=${YORUMA_FAKETIME_LIB:-}
if [[ -z "$E2E_FAKETIME_LIB" ]]; then
    for candidate in /usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 /usr/lib/*/faketime/libfaketime.so.1; do
        if [[ -f "$candidate" ]]; then E2E_FAKETIME_LIB=$candidate; break; fi
    done
fi

for tool in Xvfb xdotool xclip import od cmp cc; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: '$tool' is not installed (run scripts/install-deps.sh)" >&2
        exit 1
    fi
done
if [[ -z "$E2E_FAKETIME_LIB" || ! -f "$E2E_FAKETIME_LIB" ]]; then
    echo "FAIL: libfaketime.so.1 not found (run scripts/install-deps.sh)" >&2
    exit 1
fi

E2E_ROOT=${YORUMA_E2E_ROOT:-${TMPDIR:-/tmp}}
mkdir -p "$E2E_ROOT"
E2E_WORK=$(mktemp -d "$E2E_ROOT/yoruma-e2e-$E2E_NAME.XXXXXX")
E2E_DATA="$E2E_WORK/data"        # the program's current directory
E2E_SHOTS="$E2E_WORK/screenshots"
mkdir -p "$E2E_DATA" "$E2E_SHOTS" "$E2E_WORK/home" "$E2E_WORK/runtime"
chmod 700 "$E2E_WORK/runtime"
echo "== $E2E_NAME: working in $E2E_WORK"

# A home and runtime folder of the test's own: the single-instance lock and
# Qt's caches never touch the user's, and never meet another test's.
export HOME="$E2E_WORK/home"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_SESSION_TYPE WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/no-bus"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset DISPLAY
cd "$E2E_DATA"

XVFB_PID=""
E2E_PIDS=()
E2E_PASSED=0

e2e_cleanup() {
    local status=$?
    set +e
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    if [[ -n "$XVFB_PID" ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [[ $E2E_PASSED -eq 1 && $status -eq 0 && -z "${YORUMA_E2E_KEEP:-}" ]]; then
        cd / && rm -rf "$E2E_WORK"
        echo "== $E2E_NAME: removed $E2E_WORK (YORUMA_E2E_KEEP=1 keeps it)"
    else
        echo "== $E2E_NAME: kept $E2E_WORK (program output: $E2E_WORK/program.log)"
    fi
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_fail() {
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" ]]; then e2e_screenshot failure >/dev/null 2>&1 || true; fi
    if [[ -s "$E2E_WORK/program.log" ]]; then
        echo "--- program output ---" >&2
        tail -n 40 "$E2E_WORK/program.log" >&2
    fi
    exit 1
}

e2e_ok() { echo "ok: $*"; }

e2e_pass() {
    E2E_PASSED=1
    echo "== $E2E_NAME: passed"
    exit 0
}

# Starts a private Xvfb on a free display and exports DISPLAY.
e2e_start_display() {
    start_xvfb "$E2E_WORK" || e2e_fail "Xvfb did not start"
    echo "   display $DISPLAY (Xvfb pid $XVFB_PID)"
}

# e2e_start_program MOMENT [DIR [BLOCKS]]: starts the program in the data
# folder (or in DIR) with the clock set to MOMENT (local time in Tokyo; the
# clock runs on from there) and, when BLOCKS is given, a file-size limit of
# that many 1024-byte blocks (ulimit -f) for the program alone. MOMENT "-"
# keeps the real clock: the faked clock's library writes a file of its own
# before the program starts, which a limit of 0 does not allow. Sets E2E_PID.
e2e_start_program() {
    local moment=$1 dir=${2:-.} blocks=${3:-} clock=() when="the real clock"
    if [[ "$moment" != - ]]; then
        clock=(FAKETIME="@$moment" LD_PRELOAD="$E2E_FAKETIME_LIB")
        when="faked $moment"
    fi
    # A sanitizer build wants its runtime first among the libraries; the
    # preloaded clock comes before it, which is harmless here. Leaks inside
    # system libraries are not ours to fix.
    (
        cd "$dir" || exit 1
        if [[ -n "$blocks" ]]; then ulimit -f "$blocks" || exit 1; fi
        exec env TZ=Asia/Tokyo "${clock[@]}" \
            ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
            LSAN_OPTIONS="suppressions=$E2E_DIR/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
            "$E2E_BIN"
    ) >>"$E2E_WORK/program.log" 2>&1 &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
    echo "   started yoruma (pid $E2E_PID)${2:+ in $dir} at $when${blocks:+, file size limit $blocks blocks}"
}

e2e_running() { kill -0 "$1" 2>/dev/null; }

# Kills process PID (started by this shell) at once, as a crash would.
e2e_kill() {
    { kill -9 "$1" && wait "$1"; } 2>/dev/null || true
}

# Waits up to SECONDS for process PID (started by this shell) to end and
# leaves its exit status in E2E_EXIT_STATUS. Not for use in $(...): only
# this shell can collect its children's status.
e2e_wait_exit() {
    local pid=$1 seconds=${2:-10} i
    for ((i = 0; i < seconds * 10; i++)); do
        if ! e2e_running "$pid"; then
            E2E_EXIT_STATUS=0
            wait "$pid" 2>/dev/null || E2E_EXIT_STATUS=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Prints the id of the visible window of process PID whose title matches the
# regular expression TITLE, waiting up to SECONDS for it.
e2e_find_window() {
    local pid=$1 title=$2 seconds=${3:-10} i wid
    for ((i = 0; i < seconds * 10; i++)); do
        wid=$(timeout 5 xdotool search --onlyvisible --all --pid "$pid" --name "$title" 2>/dev/null | head -n 1) || true
        if [[ -n "$wid" ]]; then
            echo "$wid"
            return 0
        fi
        e2e_running "$pid" || return 1
        sleep 0.1
    done
    return 1
}

# Waits until window WID is no longer visible (unmapped or destroyed).
e2e_wait_window_gone() {
    local wid=$1 seconds=${2:-10} i
    for ((i = 0; i < seconds * 10; i++)); do
        if ! timeout 5 xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$wid"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Window titles, exactly (the program's titles begin with a blank).
E2E_TITLE_FIRST_RUN='^ ヨルマ式初期設定 - nubera$'
E2E_TITLE_CONFIRM='^ \( ・◇・\)  - nubera$'
E2E_TITLE_MAIN='^ ヨルマ式 - nubera$'
E2E_TITLE_MESSAGE='^ヨルマ式$'

# Like e2e_find_window, but fails the test when the window does not come;
# leaves the window id in E2E_WID.
e2e_expect_window() {
    local pid=$1 title=$2 what=$3
    E2E_WID=$(e2e_find_window "$pid" "$title" "${4:-10}") || e2e_fail "$what did not appear (title $title)"
    e2e_ok "$what is shown (window $E2E_WID)"
}

e2e_expect_no_window() {
    local pid=$1 title=$2 what=$3
    if timeout 5 xdotool search --onlyvisible --all --pid "$pid" --name "$title" >/dev/null 2>&1; then
        e2e_fail "$what is shown, but should not be"
    fi
    e2e_ok "$what is not shown"
}

e2e_expect_window_gone() {
    e2e_wait_window_gone "$1" "${3:-10}" || e2e_fail "$2 is still shown"
    e2e_ok "$2 has gone"
}

# Clicks at client pixel X,Y of window WID (twips / 15).
e2e_click() {
    local wid=$1 x=$2 y=$3
    timeout 5 xdotool mousemove --window "$wid" "$x" "$y" click 1 \
        || e2e_fail "could not click at $x,$y in window $wid"
}

# e2e_click_control WID LEFT TOP WIDTH HEIGHT: clicks the middle of a control
# of window WID placed in twips (15 to a pixel).
e2e_click_control() {
    e2e_click "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15))
}

# Gives window WID the keyboard focus, so that typed keys reach it.
e2e_focus() {
    timeout 5 xdotool windowfocus --sync "$1" || e2e_fail "could not focus window $1"
}

# Types TEXT into whatever has the keyboard focus, as real key presses.
e2e_type() {
    timeout 10 xdotool type --delay 30 "$1" || e2e_fail "could not type '$1'"
}

e2e_key() {
    timeout 5 xdotool key "$@" || e2e_fail "could not press $*"
}

# Types COUNT and PRICE into the first-run window WID's two boxes (cigarettes
# a day, price of a pack), as a user clicks into each and types.
e2e_type_profile() {
    local wid=$1 count=$2 price=$3
    e2e_click "$wid" 296 71
    e2e_type "$count"
    e2e_click "$wid" 296 123
    e2e_type "$price"
}

# Prints "X Y" of window WID's top-left corner on the screen.
e2e_window_position() {
    timeout 5 xdotool getwindowgeometry --shell "$1" | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} END{print x, y}'
}

# Saves a picture of the whole screen as screenshots/NAME.png and prints its path.
e2e_screenshot() {
    local file="$E2E_SHOTS/$1.png"
    timeout 10 import -window root "$file" >/dev/null 2>&1 || return 1
    echo "$file"
}

# Asserts that FILE holds exactly the bytes printed by printf FORMAT.
e2e_expect_bytes() {
    local file=$1 format=$2 what=$3
    [[ -f "$file" ]] || e2e_fail "$what: $file does not exist"
    # shellcheck disable=SC2059
    printf "$format" >"$E2E_WORK/expected.bin"
    if ! cmp -s "$E2E_WORK/expected.bin" "$file"; then
        echo "expected:" >&2
        od -c "$E2E_WORK/expected.bin" >&2
        echo "actual:" >&2
        od -c "$file" >&2
        e2e_fail "$what: $file differs from the expected bytes"
    fi
    e2e_ok "$what: $(basename "$file") is exactly $format"
}

# Prints field N (1-based) of the one line of a data file, quotes kept.
e2e_field() {
    local file=$1 n=$2
    head -n 1 "$file" | tr -d '\r' | awk -F, -v n="$n" '{print $n}'
}

e2e_field_count() {
    head -n 1 "$1" | tr -d '\r' | awk -F, '{print NF}'
}

# Writes a data file line, ended by CR LF as the program writes it.
e2e_write_data_file() {
    mkdir -p "$E2E_DATA/yorumadata"
    printf '%s\r\n' "$2" >"$E2E_DATA/yorumadata/$1"
}

# The settled state of a started tracker used by several tests: quit on
# 5 October 2008 at 9:00, 20 a day at 300 yen, standard size; copy with the
# details (field 4), main window at 1200, 900 twips.
E2E_PREPARED_PROFILE='2008,10,5,9,0,20,300,85'
E2E_PREPARED_OPTIONS='1,8744,5,1,5,1,1200,900,9241372,16777215,"",2,0,0,"ソルジャー"'

e2e_prepare_started_tracker() {
    e2e_write_data_file initial.ini "$E2E_PREPARED_PROFILE"
    e2e_write_data_file option.ini "$E2E_PREPARED_OPTIONS"
}

# What "コピー" gives for the prepared tracker at the faked 15 October 2008,
# 12:07 (10 days, 3 hours and 7 minutes in), in printf form: lines joined by
# CR LF, no line end after the last.
E2E_PREPARED_REPORT='ステータス： 少尉\r\n'
E2E_PREPARED_REPORT+='ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n'
E2E_PREPARED_REPORT+='ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n'
E2E_PREPARED_REPORT+='延びた寿命： 0日と18時間34分\r\n'
E2E_PREPARED_REPORT+='節約できた金額： 3038円（節税分 1915円）\r\n'
E2E_PREPARED_REPORT+='節煙本数： 202本 17.22ｍ シャア専用ザク'

# Checks that the copy PID refuses to run: it shows "プログラムは既に起動されています。"
# in a message box titled "ヨルマ式" and no other window, and ends with
# status 0 after OK (Return).
e2e_expect_refusal() {
    local pid=$1 box
    e2e_expect_window "$pid" "$E2E_TITLE_MESSAGE" "message box 'ヨルマ式' of the second copy"
    box=$E2E_WID
    e2e_expect_no_window "$pid" "$E2E_TITLE_MAIN" "main window of the second copy"
    e2e_expect_no_window "$pid" "$E2E_TITLE_FIRST_RUN" "first-run window of the second copy"
    local message="$E2E_WORK/message.bin"
    e2e_read_message "$box" "$message"
    e2e_expect_bytes "$message" 'プログラムは既に起動されています。' "message text"
    e2e_key Return
    e2e_wait_exit "$pid" 10 || e2e_fail "the second copy did not end after OK"
    [[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "the second copy ended with status $E2E_EXIT_STATUS"
    e2e_ok "the second copy ended after OK (exit status 0)"
}

# e2e_read_selection SELECTION FILE: reads the text of an X selection
# (clipboard or primary) as UTF-8, bytes unchanged, into FILE, waiting up to
# 3 s for the program to put something there; fails the test when nothing
# comes. A selection belongs to the running program, so read it while it runs.
e2e_read_selection() {
    local selection=$1 file=$2 i
    rm -f "$file"
    for ((i = 0; i < 30; i++)); do
        timeout 5 xclip -o -selection "$selection" -t UTF8_STRING >"$file" 2>"$E2E_WORK/xclip.err" \
            && [[ -s "$file" ]] && return 0
        sleep 0.1
    done
    e2e_fail "nothing in the $selection selection: $(cat "$E2E_WORK/xclip.err")"
}

e2e_read_clipboard() { e2e_read_selection clipboard "$1"; }

# Clicks "コピー" (left 120, top 2950, 735 x 300 twips) of main window WID and
# reads the report it puts on the clipboard into FILE.
e2e_copy_report() {
    e2e_click_control "$1" 120 2950 735 300
    e2e_read_clipboard "$2"
}

# Reads the text of message box WID into FILE: a triple click selects it and
# X11 offers the selection as PRIMARY. No --sync: the pointer may already
# stand there (an earlier box at the same place) and would never be seen to move.
e2e_read_message() {
    # A box is found as soon as it maps, a moment before it takes every
    # click: the first of the three could be lost, leaving a word selected.
    timeout 5 xdotool mousemove --window "$1" 120 16 || e2e_fail "could not point into the message box"
    sleep 0.3
    timeout 5 xdotool click --repeat 3 --delay 80 1 || e2e_fail "could not click into the message box"
    e2e_read_selection primary "$2"
}

# Sends window WID the WM_DELETE_WINDOW message, as a window manager does for
# the close box (xdotool windowclose would destroy the window instead).
e2e_close_window() {
    local helper="$E2E_WORK/close-window"
    if [[ ! -x "$helper" ]]; then
        cc -O1 -o "$helper" "$E2E_DIR/close_window.c" -lX11 2>"$E2E_WORK/cc.log" \
            || e2e_fail "could not build the close helper: $(cat "$E2E_WORK/cc.log")"
    fi
    timeout 5 "$helper" "$1" || e2e_fail "could not send WM_DELETE_WINDOW to $1"
}
