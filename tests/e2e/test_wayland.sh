#!/usr/bin/env bash
# Under Wayland (QT_QPA_PLATFORM=wayland, no X display) on weston: the main
# window shows, the keyboard switches to the mini window and back, and the
# session's end (SIGTERM) keeps the stored places (the mini window's off this
# screen) and mode as they were, as the desktop never tells where the windows
# stand. Weston's headless backend has no seat, so no key could reach the
# program there: this weston draws into a window on the test's Xvfb display
# (its X11 backend), which takes xdotool's keys for its seat. With both
# displays and no QT_QPA_PLATFORM the program runs on X11; a user's
# QT_QPA_PLATFORM=wayland still holds there.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
# Without the fading and zooming, a screenshot shows the colours as they are.
printf '[shell]\nstartup-animation=none\nanimation=none\nclose-animation=none\n' >"$E2E_WORK/weston.ini"
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --socket=wayland-e2e --idle-time=0 \
    --config="$E2E_WORK/weston.ini" --debug >"$E2E_WORK/weston.log" 2>&1 & E2E_PIDS+=("$!")
e2e_wait "weston is up" test -S "$XDG_RUNTIME_DIR/wayland-e2e"
export WAYLAND_DISPLAY=wayland-e2e
# Focused before any client comes: focused later, weston may keep the keys from it.
timeout 10 xdotool search --sync --class '^Weston Compositor$' windowfocus --sync || e2e_fail "could not focus weston"
# The protocol as weston sees it. shown TITLE N K: the Nth window so titled
# has come, and with it the Kth keyboard focus given to a window (not a menu).
weston-debug -o "$E2E_WORK/protocol.log" proto & E2E_PIDS+=("$!")
shown() { [[ $(grep -ac "set_title(\"$1\")" "$E2E_WORK/protocol.log") == "$2" ]] &&
    [[ $(grep -ac 'wl_keyboard@[0-9]*\.enter(' "$E2E_WORK/protocol.log") == "$3" ]]; }
# The figures' background (red 28, green 3, blue 141) on weston's screen.
figures_shown() {
    (cd "$E2E_WORK" && rm -f wayland-screenshot-*.png && timeout 5 weston-screenshooter) || return 1
    (($(convert "$E2E_WORK"/wayland-screenshot-*.png -alpha off -fill black +opaque '#1c038d' -fill white \
        -opaque '#1c038d' -format '%[fx:int(mean*w*h)]' info:) > 5000))
}
OPTIONS_LINE='1,8744,5,1,5,1,3000,2000,9241372,16777215,"",0,30000,20000,"ソルジャー"\r\n'
mkdir -p yorumadata && printf '2008,10,5,9,0,20,300,85\r\n' >yorumadata/initial.ini
printf '%b' "$OPTIONS_LINE" >yorumadata/option.ini && stored=$(stat -c %i yorumadata/option.ini)

x_display=$DISPLAY && unset DISPLAY
QT_QPA_PLATFORM=wayland e2e_start_program '2008-10-15 12:07:00'
export DISPLAY=$x_display
e2e_wait "main window shown" shown ' ヨルマ式 - nubera' 1 1
e2e_wait "the figures on the screen (wayland-screenshot-*.png)" figures_shown
# Shift+F10 opens the menu on its first entry; Up goes round to the last, the one
# before it switches the window.
e2e_key shift+F10 Up Up Return
e2e_wait "mini window shown" shown ' ヨルマ式 mini mode' 1 2
e2e_key shift+F10 Up Up Return
e2e_wait "main window shown again" shown ' ヨルマ式 - nubera' 2 3
kill -TERM "$E2E_PID" && e2e_exit "$E2E_PID" "SIGTERM"
[[ $(stat -c %i yorumadata/option.ini) != "$stored" ]] || e2e_fail "option.ini was not saved at the end"
e2e_expect_bytes yorumadata/option.ini "$OPTIONS_LINE" "places and mode as stored"

QT_QPA_PLATFORM='' e2e_start_program '2008-10-15 12:07:00' "$E2E_TITLE_MAIN" "main window on X11 beside Wayland"
kill -TERM "$E2E_PID" && e2e_exit "$E2E_PID" "SIGTERM on X11"
QT_QPA_PLATFORM=wayland e2e_start_program '2008-10-15 12:07:00'
e2e_wait "main window under Wayland as asked" shown ' ヨルマ式 - nubera' 3 4
kill -TERM "$E2E_PID" && e2e_exit "$E2E_PID" "SIGTERM under Wayland"
