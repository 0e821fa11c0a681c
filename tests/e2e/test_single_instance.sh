#!/usr/bin/env bash
# A second copy says so and ends, the first one untouched; a copy killed at once
# leaves no lock that stands in the way. The restarted copy's menu opens from
# the keyboard (Shift+F10) at the window's corner, and Enter copies the report.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00'
first=$E2E_PID
e2e_expect_window "$first" "$E2E_TITLE_MAIN" "main window of the first copy"
e2e_start_program '2008-10-15 12:07:00'
e2e_read_message "$E2E_PID" "$E2E_WORK/message.bin"
e2e_expect_bytes "$E2E_WORK/message.bin" 'プログラムは既に起動されています。' "the second copy's message"
e2e_expect_exit "$E2E_PID" "the second copy after OK"
timeout 5 xdotool search --onlyvisible --pid "$first" --name "$E2E_TITLE_MAIN" >/dev/null || e2e_fail "the first copy has gone"
e2e_expect_bytes yorumadata/option.ini "$E2E_PREPARED_OPTIONS\\r\\n" "the second copy wrote nothing"

kill -9 "$first" && wait "$first" 2>/dev/null || true
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after a killed copy"
main=$E2E_WID
timeout 5 xdotool windowfocus --sync "$main" || e2e_fail "could not focus the main window"
e2e_key shift+F10
# The menu's own window: without it, Enter would press the focused "コピー".
for ((i = 0; i < 50; i++)); do
    menu=$(timeout 5 xdotool search --all --onlyvisible --pid "$E2E_PID" --class . | grep -vx "$main" | head -n 1) || true
    [[ -z "$menu" ]] || break
    sleep 0.1
done
[[ -n "$menu" && "$(e2e_position "$menu")" == "$(e2e_position "$main")" ]] || e2e_fail "no menu at the window's corner"
e2e_key Return
e2e_read_selection clipboard "$E2E_WORK/clipboard.bin"
e2e_expect_bytes "$E2E_WORK/clipboard.bin" "$E2E_PREPARED_REPORT" "the copy by Shift+F10, Enter"
e2e_pass
