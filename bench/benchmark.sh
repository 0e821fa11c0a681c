#!/usr/bin/env bash
# Builds the benchmarks in build/ (Release; YORUMA_BUILD_DIR chooses another
# folder) and runs them: the refresh computation for three quit spans, and a
# timer tick on the main window against setting its six value labels alone.
# Prints the budgets at the end and exits 1 when one is missed.
#
#     bash bench/benchmark.sh [--benchmark_... options]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${YORUMA_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DYORUMA_BENCH=ON >/dev/null
cmake --build "$build" --target yoruma_bench

echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), load average $(cut -d' ' -f1-3 /proc/loadavg)"
runtime=$(mktemp -d "${TMPDIR:-/tmp}/yoruma-bench.XXXXXX")
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
# Five repetitions of each, in random order so that a busy moment of the
# machine does not fall on one benchmark alone; their statistics are shown,
# and the budgets take the smallest. Options given to this script replace these.
options=("$@")
[[ ${#options[@]} -gt 0 ]] || options=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
    --benchmark_display_aggregates_only=true)
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen "$build/bench/yoruma_bench" "${options[@]}"
