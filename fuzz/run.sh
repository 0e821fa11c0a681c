#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer
# and libFuzzer) and runs them. Exits non-zero when a build fails or any target
# finds a crash, a hang, a leak or a broken rule.
#
#     bash fuzz/run.sh --replay [TARGET...]
#         What the test command runs: each target replays its seed corpus in
#         fuzz/corpus/<target>/ and then makes a fixed number of inputs
#         from a fixed seed (about 15 s each here; YORUMA_FUZZ_RUNS sets another
#         number), so that the same commit gives the same verdict on every run
#         and every machine.
#     bash fuzz/run.sh SECONDS [TARGET...]
#         A campaign: each target for SECONDS from a random seed, starting from
#         the seeds and what earlier campaigns kept in build-fuzz/corpus/<target>/.
#         A failing input is saved as build-fuzz/findings/<target>-crash-*; replay
#         it with build-fuzz/fuzz/<target> FILE, fix the fault, and add the input
#         to fuzz/corpus/<target>/ so that the replay keeps it fixed.
#
# Default: all three targets, one after another. YORUMA_FUZZ_BUILD sets
# another build folder.
set -euo pipefail
usage() { echo "usage: $0 --replay | SECONDS [TARGET...]" >&2; exit 2; }
[[ $# -ge 1 ]] || usage
if [[ $1 == --replay ]]; then
    replay=1 seconds=0
elif [[ $1 =~ ^[0-9]+$ ]]; then
    replay=0 seconds=$1
else
    usage
fi
shift
(($# > 0)) || set -- fuzz_data_files fuzz_read_leading_number fuzz_compute_status
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
# Runs of each target at the gate: the data files are written and read for
# every input, the other targets compute in memory.
declare -A gate_runs=([fuzz_data_files]=8000 [fuzz_read_leading_number]=400000 [fuzz_compute_status]=150000)
fixed_addresses=()
if ((replay)); then
    setarch -R true 2>/dev/null && fixed_addresses=(setarch -R) \
        || echo "fuzz: addresses cannot be fixed here (setarch -R fails): the replay may differ from run to run" >&2
fi
failed=0
for target; do
    log="$build/logs/$target.log" rc=0
    if ((replay)); then
        # The replay runs in the same surroundings wherever the checkout is:
        # fixed addresses, the same environment, arguments of the same length
        # (the stack's place depends on them), the seeds copied next to a
        # folder for new inputs that starts empty every time, so that what
        # earlier runs found cannot change this run's verdict. Without
        # -reload=0 the corpus would be read again every second, so the
        # machine's speed would change what is tried.
        work=$(mktemp -d /tmp/yoruma-fuzz.XXXXXX)
        mkdir "$work/new" "$work/seeds" "$work/findings"
        cp "$root/fuzz/corpus/${target#fuzz_}"/* "$work/seeds/"
        ln -s "$build/fuzz/$target" "$work/target"
        runs=${YORUMA_FUZZ_RUNS:-${gate_runs[$target]:-10000}}
        echo "=== fuzz: $target, the seeds and $runs runs from seed 1 (log $log)"
        (cd "$work" && exec "${fixed_addresses[@]}" env -i PATH=/usr/bin:/bin TMPDIR="${TMPDIR:-/tmp}" \
            ASAN_OPTIONS="$ASAN_OPTIONS" UBSAN_OPTIONS="$UBSAN_OPTIONS" ./target -seed=1 -runs="$runs" -reload=0 \
            -timeout=60 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 -artifact_prefix=findings/ new seeds) \
            >"$log" 2>&1 || rc=$?
        for found in "$work"/findings/*; do [[ -e $found ]] && cp "$found" "$build/findings/$target-${found##*/}"; done
        rm -rf "$work"
    else
        kept="$build/corpus/${target#fuzz_}"
        mkdir -p "$kept"
        echo "=== fuzz: $target for ${seconds}s (log $log)"
        "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$kept" "$root/fuzz/corpus/${target#fuzz_}" \
            >"$log" 2>&1 || rc=$?
    fi
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if ((rc == 0)); then
        echo "$target: ${done_runs:-?} runs, nothing found"
        continue
    fi
    failed=1
    tail -n 60 "$log" >&2
    echo "$target: FAILED (exit status $rc) after ${done_runs:-?} runs; see $log and $build/findings/"
done
exit "$failed"
