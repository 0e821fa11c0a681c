#!/usr/bin/env bash
# A started tracker opens its main window at once; a second copy for the same
# user (also one whose lock lives elsewhere) says so and ends without
# disturbing the first, also while the first shows the first-run window; a
# copy that was killed never blocks the next start.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00'
first=$E2E_PID
e2e_expect_window "$first" "$E2E_TITLE_MAIN" "main window of the first copy"
main=$E2E_WID
e2e_expect_no_window "$first" "$E2E_TITLE_FIRST_RUN" "first-run window"
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "80,60" ]] || e2e_fail "main window at $x,$y; option.ini puts it at 1200,900 twips = 80,60"
e2e_ok "main window opened at the stored position (80, 60)"

# A second copy in the same folder, for the same user.
e2e_start_program '2008-10-15 12:07:00'
e2e_screenshot second-copy-message >/dev/null || true
e2e_expect_refusal "$E2E_PID"
e2e_running "$first" || e2e_fail "the first copy has ended too"
e2e_find_window "$first" "$E2E_TITLE_MAIN" 2 >/dev/null || e2e_fail "the first copy's main window has gone"
e2e_ok "the first copy still runs and shows its main window"
e2e_expect_bytes yorumadata/option.ini "$E2E_PREPARED_OPTIONS\r\n" "the second copy left option.ini alone"

# A copy without XDG_RUNTIME_DIR (a terminal under su, a cron job) keeps its
# own lock elsewhere; the lock in the data folder stops it all the same.
XDG_RUNTIME_DIR='' e2e_start_program '2008-10-15 12:07:00'
e2e_expect_refusal "$E2E_PID"
e2e_running "$first" || e2e_fail "the first copy has ended too"

# Kill the first copy without any chance to clean up; the next start works.
e2e_kill "$first"
e2e_ok "killed the first copy (kill -9)"
e2e_start_program '2008-10-15 12:07:00'
restarted=$E2E_PID
e2e_expect_window "$restarted" "$E2E_TITLE_MAIN" "main window after a killed copy"
e2e_expect_no_window "$restarted" "$E2E_TITLE_MESSAGE" "message box"
e2e_kill "$restarted"

# The first-run window refuses a second copy as well, from any folder.
mkdir "$E2E_WORK/elsewhere"
cd "$E2E_WORK/elsewhere"
e2e_start_program '2008-10-15 12:07:00'
fresh=$E2E_PID
e2e_expect_window "$fresh" "$E2E_TITLE_FIRST_RUN" "first-run window in a new folder"
cd "$E2E_DATA"
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_refusal "$E2E_PID"
e2e_find_window "$fresh" "$E2E_TITLE_FIRST_RUN" 2 >/dev/null || e2e_fail "the first-run window has gone"
e2e_ok "the first-run window is still shown"
e2e_pass
