#!/usr/bin/env bash
# The program runs all day and usually ends with the session, not its close
# box. At rest, its window moved to 300, 400 (4500, 6000 twips):
#   SIGTERM (the session's end)          -> unloads as the close box does;
#   SIGHUP (its terminal closed), in the mini window -> the same, mode kept;
#   the display lost (no word at all)    -> the places saved once at rest.
# option.ini then holds the new place and the window in use.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

TITLE_MINI='^ ヨルマ式 mini mode$'
OPTIONS=yorumadata/option.ini

e2e_start_display
# way, window moved, option.ini fields that hold its place, the mode field 12
for row in "TERM main 7,8 2" "HUP mini 13,14 1" "display main 7,8 2"; do
    read -r way window fields mode <<<"$row"
    e2e_prepare_started_tracker
    e2e_start_program '2008-10-15 12:07:00'
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window ($way)"
    wid=$E2E_WID
    if [[ $window == mini ]]; then
        # The popup menu's sixth entry: "ミニサイズで運転する".
        timeout 5 xdotool mousemove --window "$wid" 300 80 sleep 0.1 click 3 || e2e_fail "could not right-click"
        sleep 0.4
        timeout 5 xdotool key --delay 60 Down Down Down Down Down Down Return || e2e_fail "could not choose the mini window"
        e2e_expect_window "$E2E_PID" "$TITLE_MINI" "mini window ($way)"
        wid=$E2E_WID
    fi
    timeout 5 xdotool windowmove --sync "$wid" 300 400 || e2e_fail "could not move the $window window"
    if [[ $way == display ]]; then
        sleep 2  # at rest
        kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null
        e2e_ok "the display is gone"
        e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program runs on without its display"
    else
        kill -"$way" "$E2E_PID"
        e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program did not end on SIG$way"
        [[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "SIG$way ended the program with status $E2E_EXIT_STATUS, not by its unload"
    fi
    e2e_ok "the program ended ($way)"
    place="$(e2e_field "$OPTIONS" "${fields%,*}"),$(e2e_field "$OPTIONS" "${fields#*,}")"
    [[ "$place,$(e2e_field "$OPTIONS" 12)" == "4500,6000,$mode" ]] \
        || e2e_fail "$way: option.ini should hold 4500,6000 in fields $fields and $mode in field 12: $(cat "$OPTIONS")"
    e2e_ok "$way: option.ini holds the $window window at 4500, 6000 and window mode $mode"
done
e2e_pass
