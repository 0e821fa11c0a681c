#!/usr/bin/env bash
# Start-up time, peak memory and CPU at rest of the real program, side by side
# with an empty Qt Widgets window with one label (bench/baseline_window.cpp),
# on a private virtual display (Xvfb).
#
#     bash bench/startup.sh
#
# Builds what it needs in build/ (Release; YORUMA_BUILD_DIR chooses another
# folder), then:
#
# 1. Start-up, YORUMA_BENCH_RUNS times each (default 7, after one warm-up run
#    each that is not counted), the two programs taking turns: the time from
#    launch to the first mapped window and the peak resident memory. The
#    helper bench/first_map.cpp listens for the X server's MapNotify event
#    on the root window before it starts the program, so the moment of the
#    map is the server's own and nothing is polled; the window counts when
#    its _NET_WM_PID is the program's. The CPU time the program had used by
#    then is shown too: a busy machine stretches the elapsed time more than
#    that. The program is then left one second to finish its first paint,
#    ended, and its peak RSS taken from wait4() (what /usr/bin/time -f %M
#    reports).
# 2. Rest: both programs at once on the same display, each with its window
#    shown; after 3 s to settle, the CPU time each uses over
#    YORUMA_BENCH_IDLE seconds (default 120): utime + stime from
#    /proc/PID/stat, and the exact run time and the number of times it was
#    woken, summed over its threads from /proc/PID/task/*/schedstat; and
#    which half seconds held any work at all. Judged: outside the refresh
#    timer's 30-second ticks there must be none (no polling, no animation),
#    and the run time per tick must stay under 5 ms. The empty window never
#    wakes at all, so a ratio of the two is shown but not judged: any
#    program that keeps a clock on screen would miss it.
#
# The real program runs from a fresh folder holding prepared data files, so
# that its main window opens directly, with HOME and XDG_RUNTIME_DIR in a
# temporary folder. Prints the medians, the ratios and whether each is within
# its budget; exits 1 when one is not.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${YORUMA_BUILD_DIR:-$root/build}
runs=${YORUMA_BENCH_RUNS:-7}
idle=${YORUMA_BENCH_IDLE:-120}
budget=1.2
tick_budget_us=5000  # a 6000th of the 30 s between ticks

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DYORUMA_BENCH=ON >/dev/null
cmake --build "$build" --target yoruma baseline_window first_map
program="$build/src/yoruma"
baseline="$build/bench/baseline_window"
first_map="$build/bench/first_map"

work=$(mktemp -d "${TMPDIR:-/tmp}/yoruma-startup.XXXXXX")
XVFB_PID=""
stop() {
    set +e
    if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/home" "$work/runtime" "$work/data"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_SESSION_TYPE WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" LANG=C.UTF-8 LC_ALL=C.UTF-8

# shellcheck source=scripts/xvfb.sh
source "$root/scripts/xvfb.sh"
start_xvfb "$work" || { echo "startup: Xvfb did not start" >&2; exit 1; }

# A tracker started long ago, main window at 1200, 900 twips.
prepare_data() {
    rm -rf "$work/data/yorumadata"
    mkdir -p "$work/data/yorumadata"
    printf '2008,10,5,9,0,20,300,85\r\n' >"$work/data/yorumadata/initial.ini"
    printf '1,8744,5,1,5,1,1200,900,9241372,16777215,"",2,0,0,"ソルジャー"\r\n' >"$work/data/yorumadata/option.ini"
}

# measure NAME TITLE OUT [first_map options...] -- PROGRAM: runs it from the
# data folder and checks that the window it mapped is the expected one.
measure() {
    local name=$1 title=$2 out=$3
    shift 3
    prepare_data
    if ! (cd "$work/data" && "$first_map" "$@") >"$out" 2>"$out.err"; then
        echo "startup: $name showed no window: $(cat "$out.err")" >&2
        exit 1
    fi
    local shown
    shown=$(sed -n 's/^title=//p' "$out")
    if [[ "$shown" != "$title" ]]; then
        echo "startup: $name mapped the window '$shown', expected '$title'" >&2
        exit 1
    fi
}

value() { sed -n "s/^$1=//p" "$2"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# ratio A B: A / B; "inf" when only B is 0, 1.00 when both are.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b != 0) printf "%.2f", a / b; else print (a != 0) ? "inf" : "1.00" }'; }

within() { awk -v r="$1" -v limit="$budget" 'BEGIN { exit !(r <= limit) }'; }

main_title=' ヨルマ式 - nubera'
echo
echo "startup: display $DISPLAY, $runs runs each after one warm-up run, idle ${idle} s"
measure yoruma "$main_title" "$work/warm-yoruma" -- "$program"
measure baseline baseline "$work/warm-baseline" -- "$baseline"

: >"$work/yoruma.runs"
: >"$work/baseline.runs"
for ((run = 1; run <= runs; run++)); do
    # Taking turns, and the other one first every second run.
    if ((run % 2)); then order=(yoruma baseline); else order=(baseline yoruma); fi
    for who in "${order[@]}"; do
        if [[ $who == yoruma ]]; then
            measure yoruma "$main_title" "$work/run" -- "$program"
        else
            measure baseline baseline "$work/run" -- "$baseline"
        fi
        echo "$(value map_ms "$work/run") $(value maxrss_kb "$work/run") $(value map_cpu_ms "$work/run")" \
            >>"$work/$who.runs"
    done
    # shellcheck disable=SC2046,SC2183  # the fields of each run's line
    printf '  run %d: yoruma %6s ms %7s KiB %6s ms CPU   baseline %6s ms %7s KiB %6s ms CPU\n' "$run" \
        $(tail -n 1 "$work/yoruma.runs") $(tail -n 1 "$work/baseline.runs")
done

y_map=$(awk '{ print $1 }' "$work/yoruma.runs" | median)
b_map=$(awk '{ print $1 }' "$work/baseline.runs" | median)
y_rss=$(awk '{ print $2 }' "$work/yoruma.runs" | median)
b_rss=$(awk '{ print $2 }' "$work/baseline.runs" | median)
y_cpu=$(awk '{ print $3 }' "$work/yoruma.runs" | median)
b_cpu=$(awk '{ print $3 }' "$work/baseline.runs" | median)
map_ratio=$(ratio "$y_map" "$b_map")
cpu_ratio=$(ratio "$y_cpu" "$b_cpu")
rss_ratio=$(ratio "$y_rss" "$b_rss")

echo
echo "startup: both at rest for ${idle} s (after 3 s to settle)"
prepare_data
(cd "$work/data" && "$first_map" --settle 3 --idle "$idle" --hold 0 -- "$program") >"$work/idle-yoruma" 2>&1 &
idle_yoruma=$!
(cd "$work/data" && "$first_map" --settle 3 --idle "$idle" --hold 0 -- "$baseline") >"$work/idle-baseline" 2>&1 &
idle_baseline=$!
wait "$idle_yoruma" || { cat "$work/idle-yoruma" >&2; exit 1; }
wait "$idle_baseline" || { cat "$work/idle-baseline" >&2; exit 1; }
y_ticks=$(value idle_ticks "$work/idle-yoruma")
b_ticks=$(value idle_ticks "$work/idle-baseline")
clk_tck=$(value idle_clk_tck "$work/idle-yoruma")
y_run=$(value idle_runtime_us "$work/idle-yoruma")
b_run=$(value idle_runtime_us "$work/idle-baseline")
y_life=$(value life_runtime_us "$work/idle-yoruma")
b_life=$(value life_runtime_us "$work/idle-baseline")
y_active=$(value idle_active_at "$work/idle-yoruma")
b_active=$(value idle_active_at "$work/idle-baseline")
y_woken=$(value idle_timeslices "$work/idle-yoruma")
b_woken=$(value idle_timeslices "$work/idle-baseline")

# between_ticks MOMENTS: those of the comma-separated half seconds with work
# (seconds after the map) that are nowhere near a 30-second tick of the
# refresh timer, which starts just before the map. A tick may come up to 5 %
# of its interval early or late (Qt's coarse timers) and is seen in the
# half second after it.
between_ticks() {
    awk -v list="$1" 'BEGIN {
        n = split(list, at, ",")
        for (i = 1; i <= n; ++i) {
            k = int(at[i] / 30 + 0.5)
            off = at[i] - 30 * k
            if (k < 1 || off < -1.6 || off > 2.1) out = out (out == "" ? "" : ",") at[i]
        }
        print out
    }'
}
y_between=$(between_ticks "$y_active")
b_between=$(between_ticks "$b_active")
# The run time at rest shared out over the half seconds that held work.
y_per_tick=$(awk -v run="$y_run" -v list="$y_active" 'BEGIN {
    n = (list == "") ? 0 : split(list, at, ",")
    printf "%.0f", n ? run / n : 0 }')

verdict() { if within "$1"; then echo met; else echo MISSED; fi; }
map_verdict=$(verdict "$map_ratio")
rss_verdict=$(verdict "$rss_ratio")
if [[ -z $y_between ]]; then rest_verdict=met; else rest_verdict=MISSED; fi
if ((y_per_tick <= tick_budget_us)); then tick_verdict=met; else tick_verdict=MISSED; fi

echo
echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-44s %12s %12s %7s  %s\n' "" yoruma baseline ratio "budget $budget"
printf '%-44s %12s %12s %7s  %s\n' "start-up to first mapped window, median ms" "$y_map" "$b_map" "$map_ratio" "$map_verdict"
printf '%-44s %12s %12s %7s  %s\n' "  CPU time used by then, median ms" "$y_cpu" "$b_cpu" "$cpu_ratio" "(not judged)"
printf '%-44s %12s %12s %7s  %s\n' "peak resident memory, median KiB" "$y_rss" "$b_rss" "$rss_ratio" "$rss_verdict"
printf '%-44s %12s %12s %7s  %s\n' "CPU at rest over ${idle} s, utime+stime ticks" "$y_ticks" "$b_ticks" "$(ratio "$y_ticks" "$b_ticks")" \
    "(not judged: clock ticks of $(awk -v t="$clk_tck" 'BEGIN { printf "%g", 1000 / t }') ms)"
printf '%-44s %12s %12s %7s  %s\n' "  the same, exact run time in µs" "$y_run" "$b_run" "$(ratio "$y_run" "$b_run")" \
    "(not judged)"
printf '%-44s %12s %12s\n' "  times woken (all threads)" "$y_woken" "$b_woken"
printf '  half seconds with work, s after the map: yoruma %s; baseline %s\n' "${y_active:-none}" "${b_active:-none}"
printf '%-44s %12s %12s %7s  %s\n' "  of those, between the 30 s ticks" "${y_between:-none}" "${b_between:-none}" "" \
    "$rest_verdict (none allowed)"
printf '%-44s %12s %12s %7s  %s\n' "  run time per tick, µs" "$y_per_tick" "" "" \
    "$tick_verdict (at most $tick_budget_us)"
printf '%-44s %12s %12s %7s  %s\n' "  run time from launch to the end, µs" "$y_life" "$b_life" "$(ratio "$y_life" "$b_life")" \
    "(not judged)"

if [[ $map_verdict == met && $rss_verdict == met && $rest_verdict == met && $tick_verdict == met ]]; then
    echo "All budgets met."
else
    echo "Budgets MISSED."
    exit 1
fi
