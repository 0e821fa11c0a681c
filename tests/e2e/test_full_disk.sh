#!/usr/bin/env bash
# A full disk, made by a file-size limit of 0 for the program alone: the limit
# does not end it (SIGXFSZ), every save says it could not write (the places as
# the settings window opens, the settings, the exit), the program ends normally,
# and the data files stay as they were with nothing left beside them.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
MESSAGE='yorumadata フォルダに設定を保存できません。\n'
e2e_prepare_started_tracker
e2e_start_program - "$E2E_TITLE_MAIN" "main window" 0
e2e_click "$E2E_WID" 344 206  # "設定"
e2e_expect_message "$E2E_PID" "$MESSAGE" "the places as the settings window opens"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_SETTINGS" "settings window"
e2e_click "$E2E_WID" 241 210  # "設定を保存"
e2e_expect_message "$E2E_PID" "$MESSAGE" "the settings"
e2e_find "$E2E_PID" "$E2E_TITLE_SETTINGS" || e2e_fail "the settings window has closed"
e2e_click "$E2E_WID" 329 210  # "キャンセル"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after cancelling"
e2e_menu "$E2E_WID" 300 80 7
e2e_expect_message "$E2E_PID" "$MESSAGE" "the exit"
e2e_exit "$E2E_PID" "the exit"
# shellcheck disable=SC2015  # (e2e_ok always succeeds)
diff -r "$E2E_WORK/kept" yorumadata && e2e_ok "the data folder is as it was" || e2e_fail "the data folder has changed"
