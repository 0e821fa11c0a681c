#!/usr/bin/env bash
# The user's journeys in a row, on one desktop with a tray host and a faked
# clock that runs from 15 October 2008, 12:07:
#   first run -> main window -> copy -> into the tray and back -> mini window
#   -> settings (a refused save, then a saved one) -> help -> exit
#   -> restart a day later in the window used last.
# The clipboard and both data files are checked at every step.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

TITLE_MINI='^ ヨルマ式 mini mode$'
TITLE_SETTINGS='^ 設定ウィンドウ - 全て半角で記入してください - nubera$'
TITLE_HELP='^  \(\?_\?\) - help$'
PROFILE=yorumadata/initial.ini
OPTIONS=yorumadata/option.ini
CLIPBOARD="$E2E_WORK/clipboard.bin"

# Empties the clipboard, so that the next copy is seen to arrive.
clear_clipboard() {
    printf '' | timeout 5 xclip -selection clipboard -i -loops 1 >/dev/null 2>&1 &
    sleep 0.3
}

# Opens the popup menu of window WID with a right click at X Y and chooses
# entry N (1 = the first) with the keyboard.
choose_from_menu() {
    local wid=$1 x=$2 y=$3 n=$4 keys=() i
    # No --sync: the pointer may already stand there, and would never be seen to move.
    timeout 5 xdotool mousemove --window "$wid" "$x" "$y" sleep 0.1 click 3 || e2e_fail "could not right-click window $wid"
    sleep 0.4
    for ((i = 0; i < n; i++)); do keys+=(Down); done
    timeout 5 xdotool key --delay 60 "${keys[@]}" Return || e2e_fail "could not choose menu entry $n"
}

# Replaces the text of the box at twips LEFT TOP WIDTH HEIGHT of window WID.
retype_box() {
    local wid=$1 text=$6
    # shellcheck disable=SC2046
    e2e_click_control "$wid" "$2" "$3" "$4" "$5"
    e2e_key ctrl+a
    e2e_type "$text"
}

e2e_start_display
trayer --edge top --align right --widthtype request --height 24 --transparent false \
    >"$E2E_WORK/trayer.log" 2>&1 &
E2E_PIDS+=("$!")
sleep 0.5
e2e_running "${E2E_PIDS[-1]}" || e2e_fail "the tray host (trayer) did not start: $(cat "$E2E_WORK/trayer.log")"
e2e_ok "tray host started"

# --- First run ---------------------------------------------------------------
e2e_start_program '2008-10-15 12:07:00'
pid=$E2E_PID
e2e_expect_window "$pid" "$E2E_TITLE_FIRST_RUN" "first-run window"
first_run=$E2E_WID
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,20,300,85\r\n' "first run, before the start"
e2e_expect_bytes "$OPTIONS" '0,8744,5,0,5,1,0,0,9241372,16777215,"nubera.example.jp/",2,0,0,"ソルジャー"\r\n' \
    "first run, before the start"
e2e_type_profile "$first_run" 20 300
e2e_key Return
e2e_expect_window "$pid" "$E2E_TITLE_CONFIRM" "start confirmation"
read -r cx cy <<<"$(e2e_window_position "$E2E_WID")"
e2e_key Return

# --- Main window ---------------------------------------------------------------
e2e_expect_window "$pid" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID
read -r mx my <<<"$(e2e_window_position "$main")"
[[ "$mx,$my" == "$cx,$cy" ]] || e2e_fail "main window at $mx,$my, the confirmation stood at $cx,$cy"
e2e_ok "main window where the confirmation stood ($mx, $my)"
STARTED_OPTIONS="1,8744,5,0,5,1,$((mx * 15)),$((my * 15)),9241372,16777215,\"nubera.example.jp/\",2,0,0,\"ソルジャー\""
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,20,300,85\r\n' "tracking started"
e2e_expect_bytes "$OPTIONS" "$STARTED_OPTIONS\\r\\n" "tracking started"

# --- Copy ------------------------------------------------------------------------
clear_clipboard
# shellcheck disable=SC2046
e2e_click_control "$main" 120 2950 735 300
e2e_read_clipboard "$CLIPBOARD"
report_day0='ステータス： ２等兵\r\n'
report_day0+='ヨルマ日： 2008年 10月 15日\r\n'
report_day0+='ヨルマからの日数： 0年 0ヶ月 0日 0時間 0分\r\n'
report_day0+='延びた寿命： 0日と0時間0分\r\n'
report_day0+='節約できた金額： 0円（節税分 0円）\r\n'
report_day0+='節煙本数： 0本 0ｍ ガンバレ－'
e2e_expect_bytes "$CLIPBOARD" "$report_day0" "copy from the main window"
e2e_expect_bytes "$OPTIONS" "$STARTED_OPTIONS\\r\\n" "the copy writes nothing"

# --- Into the tray and back --------------------------------------------------------
timeout 5 xdotool mousemove --sync --window "$main" 300 80 click --repeat 2 --delay 60 1 \
    || e2e_fail "could not double-click the main window"
e2e_expect_window_gone "$main" "main window (hidden into the tray)"
# With its windows hidden, the program's only visible window is its icon in the tray host.
icon=""
for ((i = 0; i < 50; i++)); do
    icon=$(timeout 5 xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
    [[ -n "$icon" ]] && break
    sleep 0.1
done
[[ -n "$icon" ]] || e2e_fail "no tray icon appeared"
read -r iw ih <<<"$(timeout 5 xdotool getwindowgeometry --shell "$icon" | awk -F= '$1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{print w, h}')"
((iw <= 32 && ih <= 32)) || e2e_fail "the window shown instead of the main window is not a tray icon (${iw}x${ih})"
e2e_ok "the tray icon is shown (window $icon)"
e2e_click "$icon" $((iw / 2)) $((ih / 2))
e2e_expect_window "$pid" "$E2E_TITLE_MAIN" "main window back from the tray"
main=$E2E_WID
read -r x y <<<"$(e2e_window_position "$main")"
[[ "$x,$y" == "$mx,$my" ]] || e2e_fail "main window came back at $x,$y instead of $mx,$my"
e2e_ok "main window came back where it was"
e2e_read_clipboard "$CLIPBOARD"
e2e_expect_bytes "$CLIPBOARD" "$report_day0" "the clipboard still holds the report"
e2e_expect_bytes "$OPTIONS" "$STARTED_OPTIONS\\r\\n" "the tray writes nothing"

# --- Mini window -------------------------------------------------------------------
# The sixth entry of the main window's menu: "ミニサイズで運転する".
choose_from_menu "$main" 300 80 6
e2e_expect_window "$pid" "$TITLE_MINI" "mini window"
mini=$E2E_WID
e2e_expect_window_gone "$main" "main window (behind the mini window)"
read -r nx ny <<<"$(e2e_window_position "$mini")"
[[ "$nx,$ny" == "$mx,$my" ]] || e2e_fail "the mini window's first use put it at $nx,$ny, not at the main window's $mx,$my"
e2e_ok "the mini window opened where the main window stood"
clear_clipboard
choose_from_menu "$mini" 100 40 1   # "コピーする"
e2e_read_clipboard "$CLIPBOARD"
e2e_expect_bytes "$CLIPBOARD" "$report_day0" "copy from the mini window"
# The mode and the mini window's place are saved once the windows come to
# rest, so that a session ending without a word (the display lost) keeps them.
MINI_OPTIONS="1,8744,5,0,5,1,$((mx * 15)),$((my * 15)),9241372,16777215,\"nubera.example.jp/\",1,$((mx * 15)),$((my * 15)),\"ソルジャー\""
for ((i = 0; i < 30; i++)); do
    [[ "$(e2e_field "$OPTIONS" 12)" == 1 ]] && break
    sleep 0.1
done
e2e_expect_bytes "$OPTIONS" "$MINI_OPTIONS\\r\\n" "the mini window at rest"

# --- Settings ------------------------------------------------------------------------
choose_from_menu "$mini" 100 40 4   # "設定変更をする"
e2e_expect_window "$pid" "$TITLE_SETTINGS" "settings window"
settings=$E2E_WID
e2e_expect_window_gone "$mini" "mini window (closed for the settings)"
read -r sx sy <<<"$(e2e_window_position "$settings")"
[[ "$sx,$sy" == "$mx,$my" ]] || e2e_fail "settings window at $sx,$sy, not where the main window was ($mx,$my)"
e2e_ok "settings window opened where the main window was stored"
# Closing both display windows stored both positions and the mini mode.
IN_MINI_OPTIONS="1,8744,5,0,5,1,$((mx * 15)),$((my * 15)),9241372,16777215,\"nubera.example.jp/\",1,$((nx * 15)),$((ny * 15)),\"ソルジャー\""
e2e_expect_bytes "$OPTIONS" "$IN_MINI_OPTIONS\\r\\n" "settings opened from the mini window"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,20,300,85\r\n' "settings opened from the mini window"

# A refused save: 0 cigarettes a day ("一日あたりの本数", Text2 at 1620, 2010, 450 x 300).
retype_box "$settings" 1620 2010 450 300 0
# shellcheck disable=SC2046
e2e_click_control "$settings" 2970 2985 1290 330   # "設定を保存"
e2e_expect_window "$pid" "$E2E_TITLE_MESSAGE" "message box for the refused save"
box=$E2E_WID
e2e_read_message "$box" "$E2E_WORK/message.bin"
line=$(head -n 1 "$E2E_WORK/message.bin")
[[ "$line" == '有効範囲内にある半角数字を入れてください' ]] || e2e_fail "unexpected message: $line"
e2e_ok "the refusal says: $line"
e2e_key Return
e2e_expect_window_gone "$box" "message box"
e2e_find_window "$pid" "$TITLE_SETTINGS" 2 >/dev/null || e2e_fail "the settings window closed after the refusal"
e2e_ok "the settings window stays open after the refusal"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,20,300,85\r\n' "the refused save writes nothing"
e2e_expect_bytes "$OPTIONS" "$IN_MINI_OPTIONS\\r\\n" "the refused save writes nothing"

# A saved change: 30 a day.
retype_box "$settings" 1620 2010 450 300 30
# shellcheck disable=SC2046
e2e_click_control "$settings" 2970 2985 1290 330
e2e_expect_window "$pid" "$TITLE_MINI" "mini window back after the save"
mini=$E2E_WID
e2e_expect_window_gone "$settings" "settings window"
e2e_expect_no_window "$pid" "$E2E_TITLE_MAIN" "main window"
read -r x y <<<"$(e2e_window_position "$mini")"
[[ "$x,$y" == "$nx,$ny" ]] || e2e_fail "mini window came back at $x,$y instead of $nx,$ny"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,30,300,85\r\n' "the saved change"
e2e_expect_bytes "$OPTIONS" "$IN_MINI_OPTIONS\\r\\n" "the saved change"
clear_clipboard
choose_from_menu "$mini" 100 40 1   # "コピーする"
e2e_read_clipboard "$CLIPBOARD"
grep -q '^節煙本数： 0本 0ｍ ガンバレ－$' "$CLIPBOARD" || e2e_fail "unexpected report after the save: $(cat "$CLIPBOARD")"
e2e_ok "the report after the save is whole"

# --- Help ------------------------------------------------------------------------------
choose_from_menu "$mini" 100 40 3   # "ヘルプを読む"
e2e_expect_window "$pid" "$TITLE_HELP" "help window"
help=$E2E_WID
e2e_find_window "$pid" "$TITLE_MINI" 2 >/dev/null || e2e_fail "the mini window went away with the help"
e2e_close_window "$help"
e2e_expect_window_gone "$help" "help window"
e2e_find_window "$pid" "$TITLE_MINI" 2 >/dev/null || e2e_fail "the mini window went away after the help"
e2e_ok "the mini window stays"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,30,300,85\r\n' "the help writes nothing"
e2e_expect_bytes "$OPTIONS" "$IN_MINI_OPTIONS\\r\\n" "the help writes nothing"

# --- Exit ----------------------------------------------------------------------------------
timeout 5 xdotool windowmove --sync "$mini" 240 180 || e2e_fail "could not move the mini window"
choose_from_menu "$mini" 100 40 7   # "アプリケーションの終了"
e2e_wait_exit "$pid" 15 || e2e_fail "the program did not end after 'アプリケーションの終了'"
[[ "$E2E_EXIT_STATUS" == 0 ]] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
e2e_ok "the program ended (exit status 0)"
EXIT_OPTIONS="1,8744,5,0,5,1,$((mx * 15)),$((my * 15)),9241372,16777215,\"nubera.example.jp/\",1,3600,2700,\"ソルジャー\""
e2e_expect_bytes "$OPTIONS" "$EXIT_OPTIONS\\r\\n" "after the exit: the mini window's new place and the mini mode"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,30,300,85\r\n' "after the exit"

# --- Restart a day later ------------------------------------------------------------------
e2e_start_program '2008-10-16 12:07:00'
pid=$E2E_PID
e2e_expect_window "$pid" "$TITLE_MINI" "mini window at the restart"
mini=$E2E_WID
e2e_expect_no_window "$pid" "$E2E_TITLE_MAIN" "main window at the restart"
e2e_expect_no_window "$pid" "$E2E_TITLE_FIRST_RUN" "first-run window at the restart"
read -r x y <<<"$(e2e_window_position "$mini")"
[[ "$x,$y" == "240,180" ]] || e2e_fail "mini window at $x,$y after the restart, not at 240,180"
e2e_ok "the mini window opened where it was left (240, 180)"
clear_clipboard
choose_from_menu "$mini" 100 40 1   # "コピーする"
e2e_read_clipboard "$CLIPBOARD"
report_day1='ステータス： １等兵\r\n'
report_day1+='ヨルマ日： 2008年 10月 15日\r\n'
report_day1+='ヨルマからの日数： 0年 0ヶ月 1日 0時間 0分\r\n'
report_day1+='延びた寿命： 0日と2時間45分\r\n'
report_day1+='節約できた金額： 450円（節税分 283円）\r\n'
head -n 5 "$CLIPBOARD" >"$E2E_WORK/report-head.bin"
e2e_expect_bytes "$E2E_WORK/report-head.bin" "$report_day1" "the first five lines of the report a day later"
grep -q '^節煙本数： 30本 2.55ｍ ' "$CLIPBOARD" || e2e_fail "unexpected last line a day later: $(tail -n 1 "$CLIPBOARD")"
e2e_ok "the last line counts 30 cigarettes, 2.55 m"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,30,300,85\r\n' "after the restart"
e2e_expect_bytes "$OPTIONS" "$EXIT_OPTIONS\\r\\n" "after the restart"
e2e_pass
