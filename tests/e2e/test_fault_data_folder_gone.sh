#!/usr/bin/env bash
# The data folder taken away while the program runs: moved elsewhere, or
# replaced by a file. The program goes on (the copy still works), closing
# its window says that nothing could be saved and ends it normally, nothing
# is written in the folder's place, and the moved folder keeps the stored
# quit moment: put back, it opens the same tracker.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

data="$E2E_DATA/yorumadata"
moved="$E2E_WORK/moved-away"

# Copies the report and checks that it names the stored quit date.
expect_copy_works() {
    local clipboard="$E2E_WORK/clipboard.bin"
    e2e_copy_report "$1" "$clipboard"
    grep -q '^ヨルマ日： 2008年 10月 5日' "$clipboard" || e2e_fail "$2: the copied report lacks the quit date: $(cat "$clipboard")"
    e2e_ok "$2: 'コピー' puts the report with the stored quit date on the clipboard"
}

e2e_start_display
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"

for fault in moved replaced; do
    e2e_start_program '2008-10-15 12:07:00'
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window ($fault)"
    main=$E2E_WID
    mv "$data" "$moved"
    if [[ $fault == replaced ]]; then
        printf 'not a folder' >"$data"
        e2e_ok "the data folder was replaced by a file"
    else
        e2e_ok "the data folder was moved away"
    fi
    expect_copy_works "$main" "data folder $fault"
    timeout 5 xdotool windowmove --sync "$main" 200 150 || e2e_fail "could not move the main window"
    fault_close_and_expect_exit "$E2E_PID" "$main" "data folder $fault" says-so
    if [[ $fault == replaced ]]; then
        [[ -f "$data" && "$(cat "$data")" == 'not a folder' ]] || e2e_fail "the file in the folder's place was changed"
        e2e_ok "the file in the folder's place is unchanged"
        rm "$data"
    else
        [[ ! -e "$data" ]] || e2e_fail "something was written in the folder's place: $(ls -la "$data")"
        e2e_ok "nothing was written in the folder's place"
    fi
    mv "$moved" "$data"
    fault_expect_kept "$E2E_DATA" initial.ini "data folder $fault, put back"
    fault_expect_kept "$E2E_DATA" option.ini "data folder $fault, put back"
done

# Put back, the folder opens the same tracker where it was last saved.
e2e_start_program '2008-10-15 12:09:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window with the folder put back"
main=$E2E_WID
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "80,60" ]] || e2e_fail "main window at $x,$y; option.ini puts it at 1200,900 twips = 80,60"
e2e_ok "main window at the stored position (80, 60)"
expect_copy_works "$main" "folder put back"
e2e_pass
