#!/usr/bin/env bash
# Closing the main window (its close box) ends the program and stores the
# window's position in option.ini, fields 7 and 8, in twips.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID

# The user moves the window to 200, 150 (pixels) = 3000, 2250 twips.
timeout 5 xdotool windowmove --sync "$main" 200 150 || e2e_fail "could not move the main window"
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "200,150" ]] || e2e_fail "the main window is at $x,$y after the move"
e2e_ok "main window moved to 200, 150"

e2e_close_window "$main"
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program did not end after its main window was closed"
[[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
e2e_ok "the program ended (exit status 0)"

# Only the position has changed.
e2e_expect_bytes yorumadata/option.ini '1,8744,5,1,5,1,3000,2250,9241372,16777215,"",2,0,0,"ソルジャー"\r\n' \
    "option.ini after closing"
e2e_expect_bytes yorumadata/initial.ini "$E2E_PREPARED_PROFILE\r\n" "initial.ini untouched"
e2e_pass
