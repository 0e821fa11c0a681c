#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# twice: in build/ (Release) and in build-sanitize/ (AddressSanitizer and
# UndefinedBehaviorSanitizer). Warnings are errors in both. Then each fuzz
# target replays its seed corpus and a fixed number of inputs from a fixed
# seed in build-fuzz/ (clang), so that a commit gets the same verdict on
# every run. Exits non-zero when a build, any test or a fuzz target fails.
#
#     bash scripts/test.sh
#
# The end-to-end tests start their own virtual displays (Xvfb); no display is
# needed. Their working folders (data, screenshots, program output) are kept
# in build*/e2e-runs/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=${YORUMA_JOBS:-2}
started=$SECONDS
summary=()
failed=0

step_time() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

bash scripts/install-deps.sh

# build_and_test NAME PRESET BUILD-DIR: configures and builds with a preset
# of CMakePresets.json, then runs every test.
build_and_test() {
    local name=$1 preset=$2 dir=$3

    echo
    echo "=== $name: configure and build in $dir"
    local t0=$SECONDS
    cmake --preset "$preset"
    if ! cmake --build --preset "$preset" -j "$jobs"; then
        echo "=== $name: BUILD FAILED"
        exit 1
    fi
    local built=$((SECONDS - t0))

    echo
    echo "=== $name: tests"
    rm -rf "$dir/e2e-runs"
    local log="$dir/ctest.log" rc t1=$SECONDS
    set +e
    YORUMA_E2E_ROOT="$dir/e2e-runs" YORUMA_E2E_KEEP=1 \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs" 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
    set -e
    local tested=$((SECONDS - t1))
    local result
    result=$(grep -E 'tests passed|tests failed out of' "$log" | tail -n 1 || true)
    [[ -n "$result" ]] || result="ctest printed no summary"
    summary+=("$name: $result (build $(step_time "$built"), tests $(step_time "$tested"))")
    if [[ $rc -ne 0 ]]; then
        failed=1
        summary+=("$name: FAILED (ctest exit status $rc)")
    fi
}

build_and_test "Release" release "$root/build"
# (Line tables are enough for the sanitizers' reports, and build faster than
# full debug information: the preset builds with -g1.)
build_and_test "Sanitizers" sanitize "$root/build-sanitize"

# The same inputs every time; a random campaign is: bash scripts/fuzz.sh 600
echo
echo "=== Fuzzing: each target's seeds and a fixed number of runs in $root/build-fuzz"
fuzz_started=$SECONDS
if bash scripts/fuzz.sh --replay; then
    summary+=("Fuzzing: every target replayed its seeds and fixed runs, nothing found (build and runs $(step_time $((SECONDS - fuzz_started))))")
else
    failed=1
    summary+=("Fuzzing: FAILED (see $root/build-fuzz/logs/ and $root/build-fuzz/findings/)")
fi

echo
echo "=== Summary"
for line in "${summary[@]}"; do echo "$line"; done
echo "Total time: $(step_time $((SECONDS - started)))"
if [[ $failed -ne 0 ]]; then
    echo "RESULT: FAILED"
    exit 1
fi
echo "RESULT: all tests passed"
