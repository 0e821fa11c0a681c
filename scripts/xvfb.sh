# shellcheck shell=bash
# Sourced by the scripts that run the program on a private virtual display.
#
# start_xvfb FOLDER [SCREEN]: starts Xvfb on a free display (default screen
# 1280x1024x24, 96 dpi, as the windows are laid out for), its display number
# and log in FOLDER; exports DISPLAY and sets XVFB_PID. Returns 1, with the
# log on stderr, when no display came within 10 s.
start_xvfb() {
    local folder=$1 screen=${2:-1280x1024x24} i
    : >"$folder/display"
    Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp -noreset \
        3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for ((i = 0; i < 100; i++)); do
        if grep -q '^[0-9][0-9]*$' "$folder/display" 2>/dev/null; then
            DISPLAY=":$(head -n 1 "$folder/display")"
            export DISPLAY
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$folder/xvfb.log" >&2
    return 1
}
