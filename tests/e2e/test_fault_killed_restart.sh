#!/usr/bin/env bash
# A copy killed at once (kill -9) leaves no trace that stands in the way: the
# files hold what was saved before, its lock in the data folder is stale, the
# next start is not taken for a second copy, and it opens the main window
# where it was last saved, not where the killed copy had moved it.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

e2e_start_display
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window of the first copy"
first=$E2E_PID
# Killed at once, before the moved window has come to rest and been saved.
timeout 5 xdotool windowmove --sync "$E2E_WID" 200 150 || e2e_fail "could not move the main window"
e2e_kill "$first"
e2e_ok "killed the first copy (kill -9)"
fault_expect_kept "$E2E_DATA" initial.ini "after the kill"
fault_expect_kept "$E2E_DATA" option.ini "after the kill"
[[ -z "$(find "$E2E_DATA/yorumadata" -type f ! -name initial.ini ! -name option.ini ! -name yoruma.lock)" ]] \
    || e2e_fail "files were left behind: $(ls -a "$E2E_DATA/yorumadata")"
e2e_ok "nothing but the stale lock was left in the data folder"

e2e_start_program '2008-10-15 12:08:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after the kill"
main=$E2E_WID
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MESSAGE" "message 'プログラムは既に起動されています。'"
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "80,60" ]] || e2e_fail "main window at $x,$y; option.ini puts it at 1200,900 twips = 80,60"
e2e_ok "main window at the last saved position (80, 60)"
timeout 5 xdotool windowmove --sync "$main" 200 150 || e2e_fail "could not move the main window"
fault_close_and_expect_exit "$E2E_PID" "$main" "closing the restarted copy"
e2e_expect_bytes yorumadata/option.ini '1,8744,5,1,5,1,3000,2250,9241372,16777215,"",2,0,0,"ソルジャー"\r\n' \
    "option.ini after closing the restarted copy"
fault_expect_kept "$E2E_DATA" initial.ini "after closing the restarted copy"
e2e_pass
