#!/usr/bin/env bash
# A second copy says so and ends, the first one untouched; a copy killed at once
# leaves no lock that stands in the way. (The menu by the keyboard in the real
# program: test_wayland.sh; its place and Enter: the display window tests.)
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_MAIN" "main window of the first copy"
first=$E2E_PID
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_message "$E2E_PID" 'プログラムは既に起動されています。' "the second copy"
e2e_exit "$E2E_PID" "the second copy after OK"
e2e_find "$first" "$E2E_TITLE_MAIN" || e2e_fail "the first copy has gone"
# The data files as they were; the lock is the first copy's.
# shellcheck disable=SC2015  # (e2e_ok always succeeds)
diff -r -x yoruma.lock "$E2E_WORK/kept" yorumadata && e2e_ok "the second copy wrote nothing" || e2e_fail "the second copy wrote"

{ kill -KILL "$first" && wait "$first"; } 2>/dev/null || true
e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_MAIN" "main window after a killed copy"
