#!/usr/bin/env bash
# "コピー" puts the six-line report on the clipboard, lines joined by CR LF,
# with the details after the quit date (copyPlusMode 1 in option.ini).
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
# 10 days, 3 hours and 7 minutes after the quit moment of 5 October, 9:00.
# The faked clock runs on from here: the figures hold for the next minute.
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID

clipboard="$E2E_WORK/clipboard.bin"
e2e_copy_report "$main" "$clipboard"

report=$E2E_PREPARED_REPORT
e2e_expect_bytes "$clipboard" "$report" "report on the clipboard"
e2e_screenshot main-window >/dev/null || true
e2e_pass
