#!/usr/bin/env bash
# First start in an empty folder on an ordinary day: the first-run window asks
# for the profile, the confirmation starts tracking, the main window opens
# where the confirmation stood and both data files hold the start.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_start_program '2008-10-15 12:07:00'

e2e_expect_window "$E2E_PID" "$E2E_TITLE_FIRST_RUN" "first-run window ' ヨルマ式初期設定 - nubera'"
first_run=$E2E_WID
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"

# Start-up has made the data folder with a default profile (quit moment = the
# moment of start-up) and default options with the set-up not done.
e2e_expect_bytes yorumadata/initial.ini '2008,10,15,12,7,20,300,85\r\n' "default profile at start-up"
[[ "$(e2e_field yorumadata/option.ini 1)" == 0 ]] || e2e_fail "option.ini should start with setupDone 0: $(cat yorumadata/option.ini)"
e2e_ok "option.ini holds setupDone 0"

# 20 a day, 300 yen a pack; "スタンダード" is chosen already. Enter in the
# price box acts as "設定する".
e2e_type_profile "$first_run" 20 300
e2e_screenshot first-run-typed >/dev/null || true
e2e_key Return

e2e_expect_window "$E2E_PID" "$E2E_TITLE_CONFIRM" "start confirmation ' ( ・◇・)  - nubera'"
confirm=$E2E_WID
e2e_expect_window_gone "$first_run" "first-run window"
[[ "$(e2e_field yorumadata/option.ini 1)" == 0 ]] || e2e_fail "the profile step must not write option.ini: $(cat yorumadata/option.ini)"
e2e_ok "nothing written before the start: setupDone still 0"
read -r confirm_x confirm_y <<<"$(e2e_window_position "$confirm")"
[[ -n "$confirm_x" && -n "$confirm_y" ]] || e2e_fail "could not read the confirmation's position"

# Enter acts as "ヨルマを開始する(CR)".
e2e_key Return

e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window ' ヨルマ式 - nubera'"
main=$E2E_WID
e2e_expect_window_gone "$confirm" "start confirmation"

e2e_expect_bytes yorumadata/initial.ini '2008,10,15,12,7,20,300,85\r\n' "quit moment and profile written at the start"

options=yorumadata/option.ini
[[ "$(e2e_field "$options" 1)" == 1 ]] || e2e_fail "option.ini should start with setupDone 1: $(cat "$options")"
e2e_ok "option.ini starts with setupDone 1"
[[ "$(e2e_field_count "$options")" == 15 ]] || e2e_fail "option.ini should have 15 fields: $(cat "$options")"
e2e_ok "option.ini has 15 fields"
[[ "$(tail -c 2 "$options" | od -An -c | tr -d ' ')" == '\r\n' ]] || e2e_fail "option.ini should end with CR LF"
[[ "$(wc -l <"$options")" == 1 ]] || e2e_fail "option.ini should be one line"
e2e_ok "option.ini is one line ended by CR LF"

# The main window opens where the confirmation stood, and that position is
# what option.ini holds (twips, 15 to a pixel).
expected_left=$((confirm_x * 15)) expected_top=$((confirm_y * 15))
[[ "$(e2e_field "$options" 7),$(e2e_field "$options" 8)" == "$expected_left,$expected_top" ]] \
    || e2e_fail "option.ini should hold the confirmation's position $expected_left,$expected_top: $(cat "$options")"
e2e_ok "option.ini holds the confirmation's position ($expected_left, $expected_top twips)"
read -r main_x main_y <<<"$(e2e_window_position "$main")"
[[ "$main_x,$main_y" == "$confirm_x,$confirm_y" ]] \
    || e2e_fail "main window at $main_x,$main_y, the confirmation was at $confirm_x,$confirm_y"
e2e_ok "main window opened where the confirmation stood ($main_x, $main_y)"

shot=$(e2e_screenshot main-window) || e2e_fail "could not save a screenshot"
e2e_ok "screenshot saved: $shot"
e2e_running "$E2E_PID" || e2e_fail "the program has ended"
e2e_pass
