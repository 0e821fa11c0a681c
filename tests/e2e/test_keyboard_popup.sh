#!/usr/bin/env bash
# Shift+F10 opens the main window's menu at its top left corner; Enter on the
# first entry, "コピーする", copies the report.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID && e2e_focus "$main"
e2e_key shift+F10
# Wait for the menu's own window: without it, Enter would press the focused
# "コピー" button and copy all the same.
for ((i = 0; i < 50; i++)); do
    menu=$(timeout 5 xdotool search --all --onlyvisible --pid "$E2E_PID" --class . | grep -vx "$main" | head -n 1) || true
    [[ -z "$menu" ]] || break
    sleep 0.1
done
[[ -n "$menu" ]] || e2e_fail "no popup menu after Shift+F10"
at=$(e2e_window_position "$menu")
[[ "$at" == "$(e2e_window_position "$main")" ]] || e2e_fail "menu at $at, not at the window's corner"
e2e_ok "Shift+F10 opened the menu at the window's corner ($at)"
e2e_screenshot popup-shift-f10 >/dev/null || true
e2e_key Return
e2e_read_clipboard "$E2E_WORK/clipboard.bin"
e2e_expect_bytes "$E2E_WORK/clipboard.bin" "$E2E_PREPARED_REPORT" "report copied by Shift+F10, Enter"
e2e_pass
