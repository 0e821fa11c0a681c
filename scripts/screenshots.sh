#!/usr/bin/env bash
# Takes the README's pictures of every window of the real program on a private
# virtual display (Xvfb), with a faked clock so that the figures are always
# the same, and writes them to docs/screenshots/.
#
#     bash scripts/screenshots.sh [PATH/TO/yoruma]
#
# Without an argument it builds the program in build/ (Release) first. Uses
# the end-to-end tests' helpers (tests/e2e/lib.sh). There is no window
# manager on the virtual display, so the pictures show the windows' contents
# without title bars.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/docs/screenshots"
program=${1:-}
if [[ -z "$program" ]]; then
    bash "$root/scripts/install-deps.sh"
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build" --target yoruma
    program="$root/build/src/yoruma"
fi
mkdir -p "$out"

# shellcheck source=tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh" "$program"
confirm='^ \( ・◇・\)  - nubera$'

# shot WID NAME: saves window WID as docs/screenshots/NAME.png.
shot() {
    sleep 0.5  # the first paint
    timeout 10 import -window "$1" "$out/$2.png" || e2e_fail "could not take $2.png"
    e2e_ok "saved docs/screenshots/$2.png"
}

# Ends the running program and starts afresh in an empty data folder.
restart() {
    kill -9 "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
    rm -rf yorumadata
}

# The main window 46 days after stopping: the ducks rejoice.
e2e_prepare_started_tracker
e2e_start_program '2008-11-20 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID
shot "$main" main-window

# The help and settings windows, from the main window's buttons.
e2e_click "$main" 288 206
e2e_expect_window "$E2E_PID" '^  \(\?_\?\) - help$' "help window"
shot "$E2E_WID" help-window
restart

e2e_prepare_started_tracker
e2e_start_program '2008-11-20 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
e2e_click "$E2E_WID" 344 206
e2e_expect_window "$E2E_PID" '^ 設定ウィンドウ - 全て半角で記入してください - nubera$' "settings window"
shot "$E2E_WID" settings-window
restart

# The main window again at 150 % and 200 % scaling, as on a high-resolution
# screen: the ducks are drawn with the screen's pixels.
for scale in 1.5 2; do
    e2e_prepare_started_tracker
    export QT_SCALE_FACTOR=$scale
    e2e_start_program '2008-11-20 12:07:00'
    unset QT_SCALE_FACTOR
    e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window at ${scale}x"
    shot "$E2E_WID" "main-window-${scale}x"
    restart
done

# The mini window: the same tracker in mini mode.
e2e_prepare_started_tracker
printf '1,8744,5,1,5,1,1200,900,9241372,16777215,"",1,1200,900,"ソルジャー"\r\n' >yorumadata/option.ini
e2e_start_program '2008-11-20 12:07:00'
e2e_expect_window "$E2E_PID" '^ ヨルマ式 mini mode$' "mini window"
shot "$E2E_WID" mini-window
restart

# The first run on an ordinary day: the profile, then the start confirmation.
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_FIRST_RUN" "first-run window"
first_run=$E2E_WID
e2e_type_profile "$first_run" 20 300
shot "$first_run" first-run-window
e2e_key Return
e2e_expect_window "$E2E_PID" "$confirm" "start confirmation"
shot "$E2E_WID" start-confirmation
restart

# The first run on Christmas Eve: the seasonal greeting after the confirmation.
e2e_start_program '2008-12-24 10:00:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_FIRST_RUN" "first-run window"
first_run=$E2E_WID
e2e_type_profile "$first_run" 20 300
e2e_key Return
e2e_expect_window "$E2E_PID" "$confirm" "start confirmation"
e2e_key Return
e2e_expect_window "$E2E_PID" '^クリスマスイブ - nubeworks$' "seasonal window"
shot "$E2E_WID" seasonal-window
restart

e2e_ok "every picture taken"
