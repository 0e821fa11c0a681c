#!/usr/bin/env bash
# Closing the main window (its close box) ends the program and stores the
# window's position in option.ini, fields 7 and 8, in twips.
# shellcheck source=tests/e2e/lib.sh
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

options=yorumadata/option.ini
[[ "$(e2e_field "$options" 7),$(e2e_field "$options" 8)" == "3000,2250" ]] \
    || e2e_fail "option.ini should hold 3000,2250 in fields 7 and 8: $(cat "$options")"
e2e_ok "option.ini holds the main window's position 3000, 2250"

# The other settings are written back as they were read (fields 13 and 14
# belong to the mini window).
[[ "$(e2e_field_count "$options")" == 15 ]] || e2e_fail "option.ini should have 15 fields: $(cat "$options")"
for n in 1 2 3 4 5 6 9 10 11 12 15; do
    expected=$(printf '%s\n' "$E2E_PREPARED_OPTIONS" | awk -F, -v n="$n" '{print $n}')
    [[ "$(e2e_field "$options" "$n")" == "$expected" ]] \
        || e2e_fail "field $n of option.ini should still be $expected: $(cat "$options")"
done
[[ "$(tail -c 2 "$options" | od -An -c | tr -d ' ')" == '\r\n' ]] || e2e_fail "option.ini should end with CR LF"
e2e_ok "the other settings are unchanged, one line ended by CR LF"
e2e_expect_bytes yorumadata/initial.ini "$E2E_PREPARED_PROFILE\r\n" "initial.ini untouched"
e2e_pass
