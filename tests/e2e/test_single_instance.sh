#!/usr/bin/env bash
# A started tracker opens its main window at once; a second copy for the same
# user says so and ends without disturbing the first; a copy that was killed
# never blocks the next start.
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

# The second copy: same folder, same user.
e2e_start_program '2008-10-15 12:07:00'
second=$E2E_PID
e2e_expect_window "$second" "$E2E_TITLE_MESSAGE" "message box 'ヨルマ式' of the second copy"
box=$E2E_WID
e2e_expect_no_window "$second" "$E2E_TITLE_MAIN" "main window of the second copy"
e2e_screenshot second-copy-message >/dev/null || true

# Select the message's text with the mouse (a triple click selects it all);
# on X11 the selection is readable as PRIMARY.
timeout 5 xdotool mousemove --sync --window "$box" 120 16 click --repeat 3 --delay 80 1 \
    || e2e_fail "could not click into the message box"
message="$E2E_WORK/message.bin"
for ((i = 0; i < 20; i++)); do
    timeout 5 xclip -o -selection primary -t UTF8_STRING >"$message" 2>/dev/null && [[ -s "$message" ]] && break
    sleep 0.1
done
e2e_expect_bytes "$message" 'プログラムは既に起動されています。' "message text"

# OK (Return) ends the second copy; the first one goes on.
e2e_key Return
e2e_wait_exit "$second" 10 || e2e_fail "the second copy did not end after OK"
[[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "the second copy ended with status $E2E_EXIT_STATUS"
e2e_ok "the second copy ended (exit status 0)"
e2e_running "$first" || e2e_fail "the first copy has ended too"
e2e_find_window "$first" "$E2E_TITLE_MAIN" 2 >/dev/null || e2e_fail "the first copy's main window has gone"
e2e_ok "the first copy still runs and shows its main window"
e2e_expect_bytes yorumadata/option.ini "$E2E_PREPARED_OPTIONS\r\n" "the second copy left option.ini alone"

# Kill the first copy without any chance to clean up; the next start works.
kill -9 "$first"
wait "$first" 2>/dev/null || true
e2e_ok "killed the first copy (kill -9)"
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after a killed copy"
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MESSAGE" "message box"
e2e_pass
