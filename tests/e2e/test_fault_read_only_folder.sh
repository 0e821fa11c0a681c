#!/usr/bin/env bash
# Folders nobody may write into, root included (immutable where the file
# system allows it):
#  1. a read-only current directory on a first start: no data folder can be
#     made, yet the first-run windows lead to the main window (saying that
#     the start could not be saved), and closing it says so again and ends
#     the program normally, leaving the directory empty;
#  2. a read-only data folder with read-only files under a started tracker:
#     the main window shows the stored figures, closing it says that nothing
#     could be saved and ends the program normally, and both files stay
#     exactly as they were.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# shellcheck source=tests/e2e/fault_lib.sh
source "$E2E_DIR/fault_lib.sh"

e2e_start_display

# 1. A first start in a read-only current directory.
fresh="$E2E_WORK/read-only"
mkdir -p "$fresh"
if ! fault_make_read_only "$fresh"; then
    # Only where neither an immutable folder nor permissions hold (root on a
    # file system without immutable folders): a folder the system keeps
    # read-only for everyone.
    fresh=/proc
    e2e_ok "no read-only folder can be made here; using $fresh"
fi
e2e_start_program '2008-10-15 12:07:00' "$fresh"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_FIRST_RUN" "first-run window in a read-only directory"
first_run=$E2E_WID
[[ ! -e "$fresh/yorumadata" ]] || e2e_fail "a data folder was made in the read-only directory"
e2e_ok "no data folder could be made"
e2e_type_profile "$first_run" 20 300
e2e_key Return
e2e_expect_window "$E2E_PID" "$E2E_TITLE_CONFIRM" "start confirmation"
e2e_key Return
fault_answer_data_folder_message "$E2E_PID" "the start in a read-only directory"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after starting, with nothing saved"
fault_close_and_expect_exit "$E2E_PID" "$E2E_WID" "first start in a read-only directory" says-so
if [[ "$fresh" != /proc ]]; then
    [[ -z "$(ls -A "$fresh")" ]] || e2e_fail "files appeared in the read-only directory: $(ls -A "$fresh")"
    e2e_ok "the read-only directory is still empty"
fi

# 2. A started tracker whose data folder and files are read-only (a folder
# alone would be written in place).
e2e_prepare_started_tracker
fault_keep_files "$E2E_DATA"
if fault_make_read_only "$E2E_DATA/yorumadata/option.ini" && fault_make_read_only "$E2E_DATA/yorumadata"; then
    e2e_start_program '2008-10-15 12:07:00'
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window over a read-only data folder"
    main=$E2E_WID
    timeout 5 xdotool windowmove --sync "$main" 200 150 || e2e_fail "could not move the main window"
    fault_close_and_expect_exit "$E2E_PID" "$main" "closing over a read-only data folder" says-so
    fault_expect_kept "$E2E_DATA" initial.ini "read-only data folder"
    fault_expect_kept "$E2E_DATA" option.ini "read-only data folder"
    fault_make_writable "$E2E_DATA/yorumadata"
    fault_make_writable "$E2E_DATA/yorumadata/option.ini"

    # Writable again: the next start opens the main window where it was last saved.
    e2e_start_program '2008-10-15 12:08:00'
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after the folder is writable again"
    read -r x y <<<"$(e2e_window_position "$E2E_WID")"
    [[ "$x,$y" == "80,60" ]] || e2e_fail "main window at $x,$y; option.ini puts it at 1200,900 twips = 80,60"
    e2e_ok "main window at the position stored before the fault (80, 60)"
else
    echo "SKIP: the read-only data folder, none can be made here (root without immutable folders)"
fi
e2e_pass
