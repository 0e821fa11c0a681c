#!/usr/bin/env bash
# The clock set back before the quit moment (quit on 5 October 2008, 9:00;
# the clock reads 1 October, 12:00): the main window opens, the copy gives a
# whole six-line report with the stored quit date, closing ends the program
# normally, and the stored quit moment is left exactly as it was. With the
# clock right again, the next start counts from the same quit moment.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

e2e_start_display
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"

e2e_start_program '2008-10-01 12:00:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window with the clock before the quit moment"
main=$E2E_WID
report="$E2E_WORK/report-before.bin"
e2e_copy_report "$main" "$report"
[[ "$(grep -c $'\r$' "$report")" == 5 && "$(wc -l <"$report")" == 5 ]] \
    || e2e_fail "the report is not six lines joined by CR LF: $(od -c "$report" | head)"
grep -q '^ヨルマ日： 2008年 10月 5日' "$report" || e2e_fail "the report lacks the stored quit date"
grep -q '^ヨルマからの日数： -' "$report" || e2e_fail "the elapsed time should run negative: $(grep 日数 "$report")"
e2e_ok "the copy gives six lines with the stored quit date and a negative elapsed time"
e2e_running "$E2E_PID" || e2e_fail "the program has ended"
fault_close_and_expect_exit "$E2E_PID" "$main" "closing with the clock set back"
fault_expect_kept "$E2E_DATA" initial.ini "clock set back"
fault_expect_kept "$E2E_DATA" option.ini "clock set back (the window did not move)"

# The clock right again: 10 days, 3 hours and 7 minutes after the quit moment.
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window with the clock right again"
report="$E2E_WORK/report-after.bin"
e2e_copy_report "$E2E_WID" "$report"
grep -q '^ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分' "$report" \
    || e2e_fail "the elapsed time does not count from the stored quit moment: $(grep 日数 "$report")"
e2e_ok "the elapsed time counts from the stored quit moment again"
e2e_pass
