#!/usr/bin/env bash
# Starting on Christmas Eve: the confirmation hands over to the seasonal
# greeting, which completes the start. Nothing is written until its button,
# and the quit moment is the one taken when the start was asked for.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_start_program '2008-12-24 10:00:00'

e2e_expect_window "$E2E_PID" "$E2E_TITLE_FIRST_RUN" "first-run window"
first_run=$E2E_WID
startup_profile='2008,12,24,10,0,20,300,85\r\n'
e2e_expect_bytes yorumadata/initial.ini "$startup_profile" "default profile at start-up"

# A profile unlike the defaults, so that its writing can be seen: 30 a day,
# 420 yen a pack, size "ロング" (100).
e2e_type_profile "$first_run" 30 420
e2e_click "$first_run" 256 178
e2e_key Return

e2e_expect_window "$E2E_PID" "$E2E_TITLE_CONFIRM" "start confirmation"
confirm=$E2E_WID
e2e_key Return

e2e_expect_window "$E2E_PID" '^クリスマスイブ - nubeworks$' "seasonal window 'クリスマスイブ - nubeworks'"
seasonal=$E2E_WID
e2e_expect_window_gone "$confirm" "start confirmation"
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
e2e_screenshot seasonal-window >/dev/null || true

# Nothing is written before the greeting's own button.
e2e_expect_bytes yorumadata/initial.ini "$startup_profile" "profile not yet written"
[[ "$(e2e_field yorumadata/option.ini 1)" == 0 ]] || e2e_fail "option.ini should still hold setupDone 0: $(cat yorumadata/option.ini)"
e2e_ok "option.ini still holds setupDone 0"
read -r seasonal_x seasonal_y <<<"$(e2e_window_position "$seasonal")"

# Enter acts as the greeting's "ヨルマを開始する(CR)".
e2e_key Return

e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
e2e_expect_window_gone "$seasonal" "seasonal window"
e2e_expect_bytes yorumadata/initial.ini '2008,12,24,10,0,30,420,100\r\n' "quit moment and typed profile written"
[[ "$(e2e_field yorumadata/option.ini 1)" == 1 ]] || e2e_fail "option.ini should hold setupDone 1: $(cat yorumadata/option.ini)"
e2e_ok "option.ini holds setupDone 1"
[[ "$(e2e_field yorumadata/option.ini 7),$(e2e_field yorumadata/option.ini 8)" == "$((seasonal_x * 15)),$((seasonal_y * 15))" ]] \
    || e2e_fail "option.ini should hold the seasonal window's position: $(cat yorumadata/option.ini)"
e2e_ok "option.ini holds the seasonal window's position"
e2e_screenshot main-window >/dev/null || true
e2e_pass
