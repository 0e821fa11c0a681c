#!/usr/bin/env bash
# The user's journey with a tray host and a clock running from 15 October
# 2008, 12:07: first run -> main window -> settings and back -> copy -> mini
# window -> into the tray and back -> exit -> restart a day later in the mini
# window where it was left.
# Along the way, what a screen reader finds in each window on the desktop's
# accessibility bus (AT-SPI, read with pyatspi as Orca reads it), on a session
# bus of the test's own.
[[ -n ${YORUMA_E2E_OWN_BUS:-} ]] || exec env YORUMA_E2E_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
bus=$DBUS_SESSION_BUS_ADDRESS
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# No desktop's tray answers on this bus: the program finds the tray host below.
export DBUS_SESSION_BUS_ADDRESS=$bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The accessibility bus (at-spi-bus-launcher, started by the session bus), there before the program looks for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null || e2e_fail "no a11y bus"
# e2e_expect_spoken LINE...: each shown object of the program is a line "role|name|description|what labels
# it|the name of what holds it"; these are among them.
e2e_expect_spoken() {
    timeout 30 /usr/bin/python3 - "$E2E_PID" >"$E2E_WORK/spoken.txt" <<'PYTHON' || e2e_fail "no accessibility tree (python3-pyatspi)"
import sys, pyatspi
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == int(sys.argv[1]))
for shown in pyatspi.findAllDescendants(app, lambda node: node.getState().contains(pyatspi.STATE_SHOWING)):
    ties = (r.getTarget(0).name for r in shown.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY)
    print(shown.getRoleName(), shown.name, shown.description, ",".join(ties), shown.parent.name, sep="|")
PYTHON
    # shellcheck disable=SC2015  # (e2e_ok always succeeds)
    for line in "$@"; do grep -qxF "$line" "$E2E_WORK/spoken.txt" && e2e_ok "spoken: $line" || e2e_fail "not spoken: $line"; done
}
PROFILE=yorumadata/initial.ini OPTIONS=yorumadata/option.ini MINI='^ ヨルマ式 mini mode$'
# The tray host must be there before the program asks for a tray.
trayer --edge top --align right --widthtype request --height 24 --transparent false >"$E2E_WORK/trayer.log" 2>&1 & E2E_PIDS+=("$!")
sleep 0.5
e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_FIRST_RUN" "first-run window"
e2e_expect_spoken 'dialog|ヨルマ式初期設定|||yoruma' 'radio button|スタンダード|||あなたの吸っているタバコのサイズ' \
    'text|一日あたりに吸っているタバコの本数|（１から２００までの半角数字で記入）||ヨルマ式初期設定'
e2e_type_profile "$E2E_WID" 20 300
e2e_key Return
e2e_expect_window "$E2E_PID" '^ \( ・◇・\)  - nubera$' "start confirmation"
e2e_expect_spoken 'dialog|開始の確認|||yoruma' 'push button|ヨルマを開始する|||開始の確認'
read -r x y < <(e2e_position "$E2E_WID")
e2e_key Return
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
e2e_expect_spoken 'frame|ヨルマ式|||yoruma' 'label|ステータス|２等兵||ヨルマ式'
[[ "$(e2e_position "$E2E_WID")" == "$x $y" ]] || e2e_fail "main window at $(e2e_position "$E2E_WID"), not at $x $y"
e2e_expect_bytes "$PROFILE" '2008,10,15,12,7,20,300,85\r\n' "tracking started"
OPTIONS_LINE="1,8744,5,0,5,1,$((x * 15)),$((y * 15)),9241372,16777215,\"nubera.example.jp/\",2,0,0,\"ソルジャー\""
e2e_expect_bytes "$OPTIONS" "$OPTIONS_LINE\\r\\n" "tracking started"

# "設定" (4800, 2950 twips), left by Escape.
e2e_click "$E2E_WID" 344 206
e2e_expect_window "$E2E_PID" "$E2E_TITLE_SETTINGS" "settings window"
e2e_expect_spoken 'dialog|設定ウィンドウ|全て半角で記入してください||yoruma' 'combo box|ソルジャー||ステータスの選択|設定ウィンドウ'
e2e_key Escape
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window after the settings"

e2e_click "$E2E_WID" 32 206  # "コピー" (120, 2950 twips)
REPORT='ステータス： ２等兵\r\nヨルマ日： 2008年 10月 15日\r\nヨルマからの日数： 0年 0ヶ月 0日 0時間 0分\r\n'
REPORT+='延びた寿命： 0日と0時間0分\r\n節約できた金額： 0円（節税分 0円）\r\n節煙本数： 0本 0ｍ ガンバレ－'
e2e_expect_selection clipboard "$REPORT" "the copy"

# The menu's last entry but one, "ミニサイズで運転する": first opened where the main window stands.
e2e_menu "$E2E_WID" 300 80 -2
e2e_expect_window "$E2E_PID" "$MINI" "mini window"
e2e_expect_spoken 'frame|ヨルマ式（ミニサイズ）|||yoruma'
[[ "$(e2e_position "$E2E_WID")" == "$x $y" ]] || e2e_fail "mini window at $(e2e_position "$E2E_WID"), not at $x $y"

# A double click hides it into the tray; the icon's click brings it back only
# as the button comes up, and takes the icon away.
timeout 5 xdotool mousemove --window "$E2E_WID" 60 40 click --repeat 2 --delay 80 1
e2e_wait "mini window into the tray" e2e_gone "$E2E_PID" "$E2E_WID"
e2e_wait "tray icon is shown" e2e_find "$E2E_PID"
icon=$E2E_WID
timeout 5 xdotool mousemove --window "$icon" 5 5 mousedown 1 sleep 1
! e2e_find "$E2E_PID" "$MINI" || e2e_fail "the mini window is back before the button's release"
timeout 5 xdotool mouseup 1
e2e_expect_window "$E2E_PID" "$MINI" "mini window back from the tray"
e2e_wait "the tray icon has gone" e2e_gone "$E2E_PID" "$icon"

# Moved, then ended by the menu's last entry: the mode and the place are kept.
timeout 5 xdotool windowmove --sync "$E2E_WID" 240 180 || e2e_fail "could not move the mini window"
e2e_menu "$E2E_WID" 100 40 -1
e2e_exit "$E2E_PID" "アプリケーションの終了"
e2e_expect_bytes "$OPTIONS" "${OPTIONS_LINE/,2,0,0,/,1,3600,2700,}\\r\\n" "after the exit"

e2e_start_program '2008-10-16 12:07:00' "$MINI" "mini window at the restart"
[[ "$(e2e_position "$E2E_WID")" == "240 180" ]] || e2e_fail "mini window at $(e2e_position "$E2E_WID") after the restart"
