#!/usr/bin/env bash
# The program runs all day and usually ends with the session, not its close
# box. With its window moved to 300, 400 (4500, 6000 twips), SIGTERM (the
# session's end) and SIGHUP (its terminal closed, here in the mini window) end
# it by the same unload as the close box: option.ini holds the place and mode.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
#         signal window fields mode
for row in "TERM main 7,8 2" "HUP mini 13,14 1"; do
    read -r signal window fields mode <<<"$row"
    e2e_prepare_started_tracker
    e2e_start_program '2008-10-15 12:07:00'
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
    if [[ $window == mini ]]; then
        e2e_menu "$E2E_WID" 300 80 6
        e2e_expect_window "$E2E_PID" "$E2E_TITLE_MINI" "mini window"
    fi
    timeout 5 xdotool windowmove --sync "$E2E_WID" 300 400 || e2e_fail "could not move the $window window"
    kill -"$signal" "$E2E_PID"
    e2e_expect_exit "$E2E_PID" "SIG$signal"
    line=$(head -n 1 yorumadata/option.ini | tr -d '\r')
    place="$(cut -d, -f"$fields" <<<"$line"),$(cut -d, -f12 <<<"$line")"
    [[ $place == "4500,6000,$mode" ]] || e2e_fail "SIG$signal: option.ini holds $place in fields $fields,12"
    e2e_ok "SIG$signal: the $window window at 4500, 6000 and mode $mode are kept"
done
e2e_pass
