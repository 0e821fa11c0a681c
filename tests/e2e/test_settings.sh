#!/usr/bin/env bash
# The settings window in the real program: "設定" replaces the main window
# with it, a wrong count is refused with a message, Enter saves both data
# files and brings the main window back where the settings window stood; the
# paid-edition button leads to the information window, whose close box
# brings the settings window back; "キャンセル" writes nothing; "ヘルプ"
# pressed twice shows one help window.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

E2E_TITLE_SETTINGS='^ 設定ウィンドウ - 全て半角で記入してください - nubera$'
E2E_TITLE_INFO='^ ヾ\(〃\^∇\^\)ﾉ つぎはのんびりヨルマ旅行～$'
E2E_TITLE_HELP='^  \(\?_\?\) - help$'


# Replaces the text of the box at the given twips with TEXT, as typed.
retype() {
    local wid=$1 left=$2 top=$3 width=$4 text=$5
    e2e_click_control "$wid" "$left" "$top" "$width" 300
    e2e_key ctrl+a
    e2e_type "$text"
}

open_settings() {
    # "設定": left 4800, top 2950, 735 x 300 twips.
    e2e_click_control "$main" 4800 2950 735 300
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_SETTINGS" "settings window"
    settings=$E2E_WID
    e2e_expect_window_gone "$main" "main window"
}

e2e_start_display
e2e_prepare_started_tracker
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID

open_settings
read -r x y <<<"$(e2e_window_position "$settings")"
[[ "$x,$y" == "80,60" ]] || e2e_fail "the settings window should stand where the main window stood (80,60), not at $x,$y"
e2e_ok "the settings window stands where the main window stood"
shot=$(e2e_screenshot settings-window) || e2e_fail "could not save a screenshot"
e2e_ok "screenshot saved: $shot"
profile_before=$(cat yorumadata/initial.ini)
options_before=$(cat yorumadata/option.ini)

# A count of 0 is refused; the window stays with what was typed.
retype "$settings" 1620 2010 450 0
e2e_key Return
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MESSAGE" "message box"
e2e_read_message "$E2E_WID" "$E2E_WORK/message.bin"
e2e_expect_bytes "$E2E_WORK/message.bin" '有効範囲内にある半角数字を入れてください' "range message"
e2e_key Return
e2e_expect_window_gone "$E2E_WID" "message box"
e2e_find_window "$E2E_PID" "$E2E_TITLE_SETTINGS" 2 >/dev/null || e2e_fail "the settings window closed after a refused save"
[[ "$(cat yorumadata/initial.ini)" == "$profile_before" && "$(cat yorumadata/option.ini)" == "$options_before" ]] \
    || e2e_fail "a refused save wrote a data file"
e2e_ok "a refused save writes nothing and keeps the window"

# 30 a day, the long size, an address; Enter saves.
retype "$settings" 1620 2010 450 30
retype "$settings" 720 270 3120 'blog.example/e2e'
e2e_click_control "$settings" 3330 2640 990 270
e2e_key Return
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after saving"
main=$E2E_WID
e2e_expect_window_gone "$settings" "settings window"
e2e_expect_bytes yorumadata/initial.ini '2008,10,5,9,0,30,300,100\r\n' "saved profile"
e2e_expect_bytes yorumadata/option.ini \
    '1,8744,5,1,5,1,1200,900,9241372,16777215,"blog.example/e2e",2,0,0,"ソルジャー"\r\n' "saved options"
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "80,60" ]] || e2e_fail "the main window should come back at 80,60, not at $x,$y"
e2e_ok "the main window is back where the settings window stood"

# The paid-edition button hands over to the information window; its close
# box brings the settings window back.
open_settings
e2e_click_control "$settings" 60 2985 2820 330
e2e_expect_window "$E2E_PID" "$E2E_TITLE_INFO" "information window"
info=$E2E_WID
e2e_expect_window_gone "$settings" "settings window"
shot=$(e2e_screenshot information-window) || e2e_fail "could not save a screenshot"
e2e_ok "screenshot saved: $shot"
e2e_close_window "$info"
e2e_expect_window "$E2E_PID" "$E2E_TITLE_SETTINGS" "settings window after the information window"
settings=$E2E_WID

# "キャンセル" writes nothing and brings back the main window.
profile_before=$(cat yorumadata/initial.ini)
options_before=$(cat yorumadata/option.ini)
retype "$settings" 1620 2010 450 44
e2e_click_control "$settings" 4320 2985 1245 330
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after cancelling"
main=$E2E_WID
[[ "$(cat yorumadata/initial.ini)" == "$profile_before" && "$(cat yorumadata/option.ini)" == "$options_before" ]] \
    || e2e_fail "cancelling wrote a data file"
e2e_ok "cancelling writes nothing"

# "ヘルプ" twice: one help window.
e2e_click_control "$main" 3960 2950 735 300
e2e_expect_window "$E2E_PID" "$E2E_TITLE_HELP" "help window"
help=$E2E_WID
e2e_click_control "$main" 3960 2950 735 300
sleep 0.5
count=$(timeout 5 xdotool search --onlyvisible --all --pid "$E2E_PID" --name "$E2E_TITLE_HELP" | wc -l)
[[ "$count" == 1 ]] || e2e_fail "$count help windows are shown"
e2e_ok "one help window after pressing 'ヘルプ' twice"
shot=$(e2e_screenshot help-window) || e2e_fail "could not save a screenshot"
e2e_ok "screenshot saved: $shot"

e2e_close_window "$help"
e2e_expect_window_gone "$help" "help window"
e2e_running "$E2E_PID" || e2e_fail "closing the help window ended the program"
e2e_close_window "$main"
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program did not end with its main window"
[[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
e2e_ok "the program ended (exit status 0)"
e2e_pass
