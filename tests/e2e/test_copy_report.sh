#!/usr/bin/env bash
# "コピー" puts the six-line report on the clipboard, lines joined by CR LF,
# with the details after the quit date (copyPlusMode 1 in option.ini).
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"

e2e_start_display
e2e_prepare_started_tracker
# 10 days, 3 hours and 7 minutes after the quit moment of 5 October, 9:00.
# The faked clock runs on from here: the figures hold for the next minute.
e2e_start_program '2008-10-15 12:07:00'
e2e_expect_window "$E2E_PID" "$E2E_TITLE_MAIN" "main window"
main=$E2E_WID

# "コピー": left 120, top 2950, 735 x 300 twips; click its middle.
e2e_click "$main" $(((120 + 735 / 2) / 15)) $(((2950 + 300 / 2) / 15))
clipboard="$E2E_WORK/clipboard.bin"
for ((i = 0; i < 20; i++)); do
    timeout 5 xclip -o -selection clipboard -t UTF8_STRING >"$clipboard" 2>/dev/null && [[ -s "$clipboard" ]] && break
    sleep 0.1
done
[[ -s "$clipboard" ]] || e2e_fail "nothing on the clipboard after 'コピー'"

report='ステータス： 少尉\r\n'
report+='ヨルマ日： 2008年 10月 5日（20本-300円-中）\r\n'
report+='ヨルマからの日数： 0年 0ヶ月 10日 3時間 7分\r\n'
report+='延びた寿命： 0日と18時間34分\r\n'
report+='節約できた金額： 3038円（節税分 1915円）\r\n'
report+='節煙本数： 202本 17.22ｍ シャア専用ザク'
e2e_expect_bytes "$clipboard" "$report" "report on the clipboard"
e2e_screenshot main-window >/dev/null || true
e2e_pass
