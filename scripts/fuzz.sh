#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer
# and libFuzzer) and runs them. Exits non-zero when a build fails or any target
# finds a crash, a hang, a leak or a broken rule.
#
#     bash scripts/fuzz.sh --replay [TARGET...]
#         What the test command runs: each target replays its seeds in
#         fuzz/corpus/<target>/, then makes a fixed number of inputs from seed 1
#         (about 15 s each here; YORUMA_FUZZ_RUNS sets another number), so that
#         the same commit gives the same verdict on every run.
#     bash scripts/fuzz.sh SECONDS [TARGET...]
#         A campaign: each target for SECONDS from a random seed, starting from
#         the seeds and what earlier campaigns kept in build-fuzz/corpus/<target>/.
#         A failing input is saved in build-fuzz/findings/; replay it with
#         build-fuzz/fuzz/<target> FILE, fix the fault, and add the input to
#         fuzz/corpus/<target>/, so that every replay keeps it fixed.
#
# Default: all three targets, one after another. YORUMA_FUZZ_BUILD sets
# another build folder.
set -euo pipefail
[[ ${1:-} == --replay || ${1:-} =~ ^[0-9]+$ ]] || { echo "usage: $0 --replay | SECONDS [TARGET...]" >&2; exit 2; }
mode=$1 && shift
(($# > 0)) || set -- fuzz_data_files fuzz_read_leading_number fuzz_compute_status
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${YORUMA_FUZZ_BUILD:-$root/build-fuzz}
echo "=== fuzz: configure and build in $build"
mkdir -p "$build/findings" "$build/logs"
(cd "$root" && cmake --preset fuzz -B "$build") >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log" >&2; echo "fuzz: CONFIGURE FAILED" >&2; exit 1; }
cmake --build "$build" --target "$@" -- -j"${YORUMA_JOBS:-2}" || { echo "fuzz: BUILD FAILED" >&2; exit 1; }
# The data-file target writes two small files per input: memory is faster than disk.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
sanitizers=(ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
# Runs of each target in a replay: the data files are written and read for
# every input, the other targets compute in memory.
declare -A replay_runs=([fuzz_data_files]=8000 [fuzz_read_leading_number]=400000 [fuzz_compute_status]=150000)
# A replay runs in the same surroundings wherever the checkout is: fixed
# addresses (the compared values that steer the mutations include them), the
# same environment and arguments of the same length (the stack's place depends
# on them), and new inputs kept in a folder that starts empty, so that what
# earlier runs found cannot change the verdict. Without -reload=0 the corpus
# would be read again every second, and the machine's speed would change what
# is tried.
fixed=()
if [[ $mode == --replay ]]; then
    setarch -R true 2>/dev/null && fixed=(setarch -R) || echo "fuzz: setarch -R fails here: replays may differ" >&2
fi
failed=0
for target; do
    log="$build/logs/$target.log" work=$(mktemp -d /tmp/yoruma-fuzz.XXXXXX) rc=0
    mkdir "$work/findings"
    ln -s "$build/fuzz/$target" "$work/target"
    if [[ $mode == --replay ]]; then
        cp -r "$root/fuzz/corpus/${target#fuzz_}" "$work/seeds" && mkdir "$work/kept"
        options=(-seed=1 -runs="${YORUMA_FUZZ_RUNS:-${replay_runs[$target]}}" -reload=0 -timeout=60)
    else
        mkdir -p "$build/corpus/${target#fuzz_}"
        ln -s "$root/fuzz/corpus/${target#fuzz_}" "$work/seeds" && ln -s "$build/corpus/${target#fuzz_}" "$work/kept"
        options=(-max_total_time="$mode" -timeout=10)
    fi
    echo "=== fuzz: $target ${options[*]} (log $log)"
    (cd "$work" && exec "${fixed[@]}" env -i PATH=/usr/bin:/bin TMPDIR="${TMPDIR:-/tmp}" "${sanitizers[@]}" ./target \
        "${options[@]}" -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 -artifact_prefix=findings/ kept seeds) \
        >"$log" 2>&1 || rc=$?
    cp -r "$work/findings/." "$build/findings/"
    rm -rf "$work"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if ((rc == 0)); then
        echo "$target: ${runs:-?} runs, nothing found"
    else
        failed=1
        tail -n 60 "$log" >&2
        echo "$target: FAILED (exit status $rc) after ${runs:-?} runs; see $log and $build/findings/"
    fi
done
exit "$failed"
