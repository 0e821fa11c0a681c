#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer
# and libFuzzer) and runs each for a fixed time, starting from the seed corpus
# in fuzz/corpus/<target>/. Exits non-zero when a build fails or any target
# finds a crash, a hang, a leak or a broken rule.
#
#     bash fuzz/run.sh SECONDS [TARGET...]
#
# Default: all three targets, one after another. Inputs found on the way go to
# build-fuzz/corpus/<target>/ (the seeds in the repository are never
# changed); a failing input is saved as build-fuzz/findings/<target>-crash-*
# and can be replayed with: build-fuzz/fuzz/<target> FILE
#
# YORUMA_FUZZ_BUILD sets another build folder.
set -euo pipefail
[[ $# -ge 1 && "$1" =~ ^[0-9]+$ ]] || { echo "usage: $0 SECONDS [TARGET...]" >&2; exit 2; }
(($# > 1)) || set -- "$1" fuzz_data_files fuzz_read_leading_number fuzz_compute_status
seconds=$1 && shift
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${YORUMA_FUZZ_BUILD:-$root/build-fuzz}
echo "=== fuzz: configure and build in $build"
mkdir -p "$build/findings" "$build/logs"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DYORUMA_FUZZ=ON -DYORUMA_TESTS=OFF -DYORUMA_WERROR=ON >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log" >&2; echo "fuzz: CONFIGURE FAILED" >&2; exit 1; }
cmake --build "$build" --target "$@" -- -j"${YORUMA_JOBS:-2}" || { echo "fuzz: BUILD FAILED" >&2; exit 1; }
# The data-file target writes two small files per input: memory is faster than disk.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
for target; do
    log="$build/logs/$target.log" corpus=${target#fuzz_} rc=0
    mkdir -p "$build/corpus/$corpus"
    echo "=== fuzz: $target for ${seconds}s (log $log)"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "$build/corpus/$corpus" "$root/fuzz/corpus/$corpus" >"$log" 2>&1 || rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    ((rc == 0)) && { echo "$target: ${runs:-?} runs in ${seconds}s, nothing found"; continue; }
    failed=1
    tail -n 60 "$log" >&2
    echo "$target: FAILED (exit status $rc) after ${runs:-?} runs; see $log and $build/findings/"
done
exit "${failed:-0}"
