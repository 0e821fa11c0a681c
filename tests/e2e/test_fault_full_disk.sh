#!/usr/bin/env bash
# A full disk, made by a file-size limit of 0 (ulimit -f 0) on the program
# alone: every save fails. The program must not be ended by the limit
# (SIGXFSZ); every save says it could not write (the windows' places as the
# settings window opens, the settings, the close), closing the main window
# still ends the program normally, and both data files stay exactly as they
# were.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

TITLE_SETTINGS='^ 設定ウィンドウ - 全て半角で記入してください - nubera$'

e2e_start_display
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"
# The real clock: see e2e_start_program.
e2e_start_program - "$E2E_DATA" 0
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window under a file-size limit of 0"
main=$E2E_WID

# "設定" (left 4800, top 2950, 735 x 300 twips), then "設定を保存" (2970, 2985, 1290 x 330).
e2e_click_control "$main" 4800 2950 735 300
fault_answer_data_folder_message "$E2E_PID" "the windows' places as the settings window opens"
e2e_expect_window "$E2E_PID" "$TITLE_SETTINGS" "settings window"
settings=$E2E_WID
e2e_click_control "$settings" 2970 2985 1290 330
fault_answer_data_folder_message "$E2E_PID" "the failed save of the settings"
e2e_running "$E2E_PID" || e2e_fail "the program ended during the failed save"
e2e_find_window "$E2E_PID" "$TITLE_SETTINGS" 2 >/dev/null || e2e_fail "the settings window closed after the failed save"
e2e_ok "the settings window stays open"
fault_expect_kept "$E2E_DATA" initial.ini "after the failed save"
fault_expect_kept "$E2E_DATA" option.ini "after the failed save"

# Its close box cancels and brings back the main window, which still works.
e2e_close_window "$settings"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after cancelling"
main=$E2E_WID
clipboard="$E2E_WORK/clipboard.bin"
e2e_copy_report "$main" "$clipboard"
grep -q '^ヨルマ日： 2008年 10月 5日' "$clipboard" || e2e_fail "the copied report does not hold the stored quit date"
e2e_ok "'コピー' still puts the report with the stored quit date on the clipboard"

# Closing saves the position, which fails and says so; the program ends normally.
timeout 5 xdotool windowmove --sync "$main" 200 150 || e2e_fail "could not move the main window"
fault_close_and_expect_exit "$E2E_PID" "$main" "closing under the limit" says-so
fault_expect_kept "$E2E_DATA" initial.ini "after closing"
fault_expect_kept "$E2E_DATA" option.ini "after closing"
[[ -z "$(find "$E2E_DATA/yorumadata" -type f ! -name initial.ini ! -name option.ini)" ]] \
    || e2e_fail "files were left behind: $(ls -a "$E2E_DATA/yorumadata")"
e2e_ok "no half-written files were left in the data folder"
e2e_pass
