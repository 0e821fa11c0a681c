#!/usr/bin/env bash
# A second copy says so and ends, the first one untouched; a copy killed during
# its quiet save (a second after its window came to rest, as the save makes its
# temporary file) leaves the old place or the new one and no lock that stands
# in the way.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_MAIN" "main window of the first copy"
first=$E2E_PID
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_message "$E2E_PID" 'プログラムは既に起動されています。\n' "the second copy"
e2e_exit "$E2E_PID" "the second copy after OK"
e2e_find "$first" "$E2E_TITLE_MAIN" || e2e_fail "the first copy has gone"
# shellcheck disable=SC2015  # (e2e_ok always succeeds)
diff -r "$E2E_WORK/kept" yorumadata && e2e_ok "the second copy wrote nothing" || e2e_fail "the second copy wrote"

inotifywait -t 10 -e create yorumadata >"$E2E_WORK/created" 2>&1 & E2E_PIDS+=("$!")
e2e_wait "the data folder is watched" grep -q 'Watches established' "$E2E_WORK/created"
timeout 5 xdotool windowmove --sync "$E2E_WID" 200 150 || e2e_fail "could not move the main window"
wait "${E2E_PIDS[-1]}" || e2e_fail "no quiet save within 10 s"
{ kill -KILL "$first" && wait "$first"; } 2>/dev/null || true
e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_MAIN" "main window after a killed copy"
main=$E2E_WID
[[ "$(e2e_position "$main") $(ls yorumadata)" =~ ^(80\ 60|200\ 150)\ initial.ini.option.ini$ ]] \
    || e2e_fail "after the kill: at $(e2e_position "$main"), folder $(ls yorumadata)"
