# shellcheck shell=bash disable=SC2034  # (the variables are for the test scripts)
# What the end-to-end tests share: the real program ($1) on a private Xvfb
# display with a faked clock, in a fresh folder (the program's current
# directory) with a fresh home under $YORUMA_E2E_ROOT (default $TMPDIR or
# /tmp). The exit trap stops everything a test started, by process id, and
# removes the folder after a pass unless YORUMA_E2E_KEEP is set.
set -euo pipefail
# shellcheck disable=SC2015  # (either failing fails)
E2E_BIN=$(readlink -e "${1:-}") && [[ -x $E2E_BIN ]] || { echo "usage: $0 PATH/TO/yoruma" >&2; exit 2; }
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_FAKETIME_LIB=${YORUMA_FAKETIME_LIB:-$(find /usr/lib -path '*/faketime/libfaketime.so.1' -print -quit)}
# shellcheck disable=SC2015  # (either missing fails)
hash Xvfb xdotool xclip trayer inotifywait && [[ -f $E2E_FAKETIME_LIB ]] \
    || { echo "FAIL: Xvfb, xdotool, xclip, trayer, inotifywait or libfaketime is missing (run scripts/install-deps.sh)" >&2; exit 1; }
E2E_WORK=$(mkdir -p "${YORUMA_E2E_ROOT:=${TMPDIR:-/tmp}}" && mktemp -d "$YORUMA_E2E_ROOT/yoruma-e2e-$(basename "$0" .sh).XXXXXX")
mkdir -p "$E2E_WORK/data/yorumadata" "$E2E_WORK/home" "$E2E_WORK/runtime" && chmod 700 "$E2E_WORK/runtime"
cd "$E2E_WORK/data"
# The single-instance lock and Qt's caches never touch the user's or another test's.
export HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=Asia/Tokyo
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/no-bus"  # no other desktop's tray
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_SESSION_TYPE WAYLAND_DISPLAY DISPLAY
# For a sanitizer build: its runtime comes after the faked clock's, which is
# harmless; the leaks listed are inside system libraries, never our own code.
export ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$E2E_DIR/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
XVFB_PID="" E2E_PIDS=()
# shellcheck disable=SC2154  # (the trap's own variable)
trap 'status=$?; set +e; for p in "${E2E_PIDS[@]}" $XVFB_PID; do kill -9 $p; wait $p; done 2>/dev/null
    [[ $status == 0 && -z "${YORUMA_E2E_KEEP:-}" ]] && rm -rf "$E2E_WORK" || echo "== kept $E2E_WORK"' EXIT
trap 'exit 130' INT TERM

e2e_fail() { echo "FAIL: $*" >&2; tail -n 40 "$E2E_WORK/program.log" >&2 2>/dev/null; exit 1; }
e2e_ok() { echo "ok: $*"; }
# shellcheck source=scripts/xvfb.sh
source "$E2E_DIR/../../scripts/xvfb.sh"
start_xvfb "$E2E_WORK" || e2e_fail "Xvfb did not start"

# e2e_start_program MOMENT [TITLE WHAT]: the program with its clock running
# from MOMENT (Tokyo time; -: the real clock). Sets E2E_PID; with TITLE, waits for that window as
# e2e_expect_window.
e2e_start_program() {
    local clock=()
    [[ $1 == - ]] || clock=(FAKETIME="@$1" LD_PRELOAD="$E2E_FAKETIME_LIB")
    env "${clock[@]}" "$E2E_BIN" >>"$E2E_WORK/program.log" 2>&1 &
    E2E_PID=$! && E2E_PIDS+=("$E2E_PID")
    [[ -z ${2:-} ]] || e2e_expect_window "$E2E_PID" "$2" "$3"
}

# e2e_wait WHAT COMMAND...: retries COMMAND for up to 10 s, then says WHAT.
e2e_wait() { for _ in {1..100}; do "${@:2}" && { e2e_ok "$1"; return; }; sleep 0.1; done; e2e_fail "not so after 10 s: $1"; }
# The conditions waited for. A visible window of process PID (titled as REGEX,
# if given: the titles begin with a blank; other than window EXCEPT) goes into E2E_WID.
e2e_find() { read -r E2E_WID < <(timeout 5 xdotool search --onlyvisible --all --pid "$1" ${2:+--name "$2"} 2>/dev/null | grep -vx "${3:--}"); }
e2e_expect_window() { e2e_wait "$3 is shown" e2e_find "$1" "$2"; }
e2e_gone() { ! grep -qx "$2" < <(timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null); }
e2e_exit() { e2e_wait "$2: the program ended" test ! -e "/proc/$1"; wait "$1" || e2e_fail "$2: exit status $?"; }
e2e_selection() { timeout 5 xclip -o -selection "$1" -t UTF8_STRING >"$E2E_WORK/$1.bin" 2>/dev/null && [[ -s "$E2E_WORK/$1.bin" ]]; }

# Clicks at client pixel X,Y of window WID (a pixel is 15 twips).
e2e_click() { timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1 || e2e_fail "could not click $2,$3 in $1"; }
e2e_key() { timeout 5 xdotool key --delay 60 "$@" || e2e_fail "could not press $*"; }
# Types COUNT and PRICE into the first-run window WID, focused as a window
# manager would: the count box comes first, Tab leads to the price. The pointer
# stays on it: with no window manager, once the focused window has closed, the
# keys go to the window under the pointer (the start confirmation comes up there).
e2e_type_profile() {
    timeout 10 xdotool mousemove --window "$1" 296 123 windowfocus --sync "$1" type --delay 30 "$2"$'\t'"$3" || e2e_fail "no typing"
}
e2e_position() { timeout 5 xdotool getwindowgeometry --shell "$1" | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} END{print x, y}'; }

# e2e_menu WID X Y N: window WID's popup menu by a right click at X,Y, then its
# Nth entry (1: "コピーする"; from the end when negative, -1: the last) by the keyboard.
# (No --sync: the pointer may already stand there, and would never be seen to move.)
e2e_menu() {
    local key=Down count=$4 keys=() i
    if ((count < 0)); then
        key=Up
        count=$((-count))
    fi
    for ((i = 0; i < count; i++)); do keys+=("$key"); done
    timeout 5 xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click 3 sleep 0.4 \
        key --delay 60 "${keys[@]}" Return || e2e_fail "could not choose entry $4 of $1's menu"
}

# e2e_expect_message PID TEXT WHAT: the process's message box begins with the
# line TEXT (printf form; selected by a triple click, offered as PRIMARY); then OK.
e2e_expect_message() {
    e2e_expect_window "$1" '^ヨルマ式$' "$3: message box"
    timeout 5 xdotool mousemove --window "$E2E_WID" 120 16 sleep 0.3 click --repeat 3 --delay 80 1 || e2e_fail "no click"
    e2e_expect_selection primary "$2" "$3"
    e2e_key Return
    e2e_wait "$3: the message box has gone" e2e_gone "$1" "$E2E_WID"
}

# e2e_expect_bytes FILE PRINTF-FORMAT WHAT [prefix]: FILE holds those bytes (with "prefix", it begins with them).
e2e_expect_bytes() {
    # shellcheck disable=SC2015,SC2059  # (e2e_ok always succeeds; $2 is a format)
    cmp -s ${4:+-n "$(printf "$2" | wc -c)"} <(printf "$2") "$1" && e2e_ok "$3: ${1##*/}" || { od -c "$1" >&2; e2e_fail "$3: $1 is not $2"; }
}
# e2e_expect_selection NAME PRINTF-FORMAT WHAT [prefix]: the X selection NAME (clipboard, primary) holds those bytes.
e2e_expect_selection() { e2e_wait "$3: the $1 is filled" e2e_selection "$1" && e2e_expect_bytes "$E2E_WORK/$1.bin" "${@:2}"; }

E2E_TITLE_FIRST_RUN='^ ヨルマ式初期設定 - nubera$'
E2E_TITLE_MAIN='^ ヨルマ式 - nubera$'
E2E_TITLE_SETTINGS='^ 設定ウィンドウ - 全て半角で記入してください - nubera$'

# A tracker started on 5 October 2008 at 9:00, 20 a day at 300 yen, standard
# size, copy with details; the main window at 1200, 900 twips (80, 60 pixels).
# Its files as they were are kept in $E2E_WORK/kept.
e2e_prepare_started_tracker() {
    mkdir -p yorumadata && printf '2008,10,5,9,0,20,300,85\r\n' >yorumadata/initial.ini
    printf '1,8744,5,1,5,1,1200,900,9241372,16777215,"",2,0,0,"ソルジャー"\r\n' >yorumadata/option.ini
    rm -rf "$E2E_WORK/kept" && cp -r yorumadata "$E2E_WORK/kept"
}
