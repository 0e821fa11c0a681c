#!/usr/bin/env bash
# Installs what is missing, builds yoruma (Release, in build/) and starts it.
#
#     bash scripts/run.sh [FOLDER]
#
# The program keeps its data in the "yorumadata" folder of the directory it is
# started from. This script starts it from the directory you call the script
# in, or from FOLDER when you give one (created if needed).
#
# Without a display ($DISPLAY and $WAYLAND_DISPLAY both empty) it starts a
# virtual one (Xvfb), runs the program there for a few seconds, saves a
# screenshot (build/yoruma-screenshot.png, or $YORUMA_SCREENSHOT) and stops
# the program and the virtual display again.
set -euo pipefail

run_dir=${1:-$PWD}
mkdir -p "$run_dir"
run_dir=$(cd "$run_dir" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target yoruma -- -j2
program="$build/src/yoruma"

cd "$run_dir"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    echo "run: starting $program in $run_dir (data in $run_dir/yorumadata)"
    exec "$program"
fi

echo "run: no display (\$DISPLAY and \$WAYLAND_DISPLAY are empty): starting a virtual one with Xvfb"
screenshot=${YORUMA_SCREENSHOT:-$build/yoruma-screenshot.png}
mkdir -p "$(dirname "$screenshot")"
work=$(mktemp -d "${TMPDIR:-/tmp}/yoruma-run.XXXXXX")
XVFB_PID="" program_pid=""
stop() {
    set +e
    if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null; fi
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
    rm -rf "$work"
}
trap stop EXIT

# shellcheck source=scripts/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb "$work" || { echo "run: Xvfb did not start" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

echo "run: starting $program on $DISPLAY in $run_dir (data in $run_dir/yorumadata)"
"$program" &
program_pid=$!

window=""
for ((i = 0; i < 100; i++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    window=$(timeout 5 xdotool search --onlyvisible --pid "$program_pid" --name '.' 2>/dev/null | head -n 1) || true
    [[ -n "$window" ]] && break
    sleep 0.1
done
if [[ -z "$window" ]]; then
    echo "run: the program showed no window" >&2
    exit 1
fi
echo "run: window \"$(timeout 5 xdotool getwindowname "$window")\" is up; waiting a few seconds"
sleep 3
kill -0 "$program_pid" 2>/dev/null || { echo "run: the program has ended" >&2; exit 1; }
timeout 10 import -window root "$screenshot"
echo "run: screenshot saved to $screenshot"
echo "run: stopping the program and Xvfb"
