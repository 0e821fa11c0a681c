#!/usr/bin/env bash
# The mini window as a user meets it: it opens where it was left, its menu
# copies the same report the main window copies, a double click tucks it into
# the tray and one click on the icon brings it back (at the button's release),
# and the menu's exit keeps
# the mode and the place for the next start.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

command -v trayer >/dev/null 2>&1 || e2e_fail "'trayer' is not installed (run scripts/install-deps.sh)"

e2e_start_display
# The tray host must be there before the program asks for a tray.
trayer --edge top --align right --widthtype request --height 24 --transparent false \
    >"$E2E_WORK/trayer.log" 2>&1 &
E2E_PIDS+=("$!")
trayer_pid=$!
for ((i = 0; i < 50; i++)); do
    timeout 5 xdotool search --pid "$trayer_pid" >/dev/null 2>&1 && break
    sleep 0.1
done

E2E_TITLE_MINI='^ ヨルマ式 mini mode$'
e2e_write_data_file initial.ini '2008,10,5,9,0,20,300,85'
# windowMode 1 (field 12), the mini window at 1500, 1200 twips (100, 80 pixels).
e2e_write_data_file option.ini '1,8744,5,1,5,1,1200,900,9241372,16777215,"",1,1500,1200,"ソルジャー"'
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MINI" "mini window"
mini=$E2E_WID
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window (hidden behind the mini window)"
read -r x y < <(e2e_window_position "$mini")
[[ "$x $y" == "100 80" ]] || e2e_fail "mini window at $x,$y, expected 100,80"
e2e_ok "the mini window opened alone at its stored place"
e2e_screenshot mini-window >/dev/null || true

# Right click on the report text, then the menu's first entry "コピーする".
timeout 5 xdotool mousemove --window "$mini" 60 40 click 3
sleep 0.3
timeout 5 xdotool key Down Return
clipboard="$E2E_WORK/clipboard.bin"
e2e_read_clipboard "$clipboard"
report=$E2E_PREPARED_REPORT
e2e_expect_bytes "$clipboard" "$report" "report copied from the mini window's menu"

# A double click on the text hides the window into the tray.
timeout 5 xdotool mousemove --window "$mini" 60 40 click --repeat 2 --delay 80 1
e2e_expect_window_gone "$mini" "mini window after the double click"
icon=""
for ((i = 0; i < 50; i++)); do
    # The icon's window belongs to the program but lives inside the tray host.
    for wid in $(timeout 5 xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
        read -r w h < <(timeout 5 xdotool getwindowgeometry --shell "$wid" | awk -F= '$1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{print w, h}')
        if ((w <= 32 && h <= 32)); then icon=$wid; fi
    done
    [[ -n "$icon" ]] && break
    sleep 0.1
done
[[ -n "$icon" ]] || e2e_fail "no tray icon after hiding the mini window"
e2e_ok "the mini window went into the tray (icon window $icon)"
e2e_screenshot tray >/dev/null || true

# One left click on the icon brings the window back, as the button comes up,
# and takes the icon away.
timeout 5 xdotool mousemove --window "$icon" 5 5 mousedown 1
sleep 1
e2e_expect_no_window "$E2E_PID" "$E2E_TITLE_MINI" "mini window while the button is held on the icon"
timeout 5 xdotool mouseup 1
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MINI" "mini window back from the tray"
mini=$E2E_WID
for ((i = 0; i < 30; i++)); do
    timeout 5 xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | grep -qx "$icon" || break
    sleep 0.1
done
timeout 5 xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | grep -qx "$icon" \
    && e2e_fail "the tray icon stayed after the window came back"
e2e_ok "one click on the icon restored the window and removed the icon"

# Move it, then end the program from the menu's last entry.
timeout 5 xdotool windowmove "$mini" 150 120
sleep 0.3
read -r x y < <(e2e_window_position "$mini")
timeout 5 xdotool mousemove --window "$mini" 60 40 click 3
sleep 0.3
timeout 5 xdotool key Up Return
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program did not end after 'アプリケーションの終了'"
options="$E2E_DATA/yorumadata/option.ini"
[[ "$(e2e_field "$options" 12)" == 1 ]] || e2e_fail "windowMode is $(e2e_field "$options" 12), expected 1"
left=$(e2e_field "$options" 13)
top=$(e2e_field "$options" 14)
e2e_ok "option.ini keeps windowMode 1 and the mini window at $left, $top twips"

e2e_start_program '2008-10-15 12:08:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MINI" "mini window after a restart"
read -r x2 y2 < <(e2e_window_position "$E2E_WID")
[[ "$((x2 * 15)) $((y2 * 15))" == "$left $top" ]] || e2e_fail "restarted at $x2,$y2 pixels, stored $left,$top twips"
e2e_ok "a restart opened the mini window where it was left"
e2e_pass
