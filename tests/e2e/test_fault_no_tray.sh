#!/usr/bin/env bash
# No tray host on the desktop: a double click on the main window, which hides
# it into the tray where there is one, must not leave the user without a
# window. It stays on screen, keeps working, and closing it ends the program
# with only the position written.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

e2e_start_display
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"
# No tray host is started: the display has none.
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window without a tray host"
main=$E2E_WID

# A double click on the background beside the lungs.
timeout 5 xdotool mousemove --sync --window "$main" 300 80 click --repeat 2 --delay 60 1 \
    || e2e_fail "could not double-click the main window"
sleep 0.5
e2e_find_window "$E2E_PID" "$E2E_TITLE_MAIN" 2 >/dev/null || e2e_fail "the main window vanished without a tray to come back from"
e2e_ok "the main window is still on screen"

# It still works: "コピー" puts the report on the clipboard.
clipboard="$E2E_WORK/clipboard.bin"
e2e_copy_report "$main" "$clipboard"
grep -q '^ステータス： 少尉' "$clipboard" || e2e_fail "the copied report is not the expected one: $(cat "$clipboard")"
e2e_ok "'コピー' still works"

fault_close_and_expect_exit "$E2E_PID" "$main" "closing without a tray host"
fault_expect_kept "$E2E_DATA" initial.ini "without a tray host"
fault_expect_kept "$E2E_DATA" option.ini "without a tray host (the window did not move)"
e2e_pass
