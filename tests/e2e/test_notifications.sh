#!/usr/bin/env bash
# A duck's arrival while the program runs, with its clock sixty times fast
# from two minutes before: one notification on the desktop's notification
# service (a small one of the test's own, on a session bus of its own, that
# records what it is sent); none with the menu's choice off ("notice.ini" 0).
[[ -n ${YORUMA_E2E_OWN_BUS:-} ]] || exec env YORUMA_E2E_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
bus=$DBUS_SESSION_BUS_ADDRESS
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
export DBUS_SESSION_BUS_ADDRESS=$bus

# Each notification as a line: title|body (newlines as \n)|actions.
/usr/bin/python3 - "$E2E_WORK/notices.txt" >>"$E2E_WORK/service.log" 2>&1 <<'PYTHON' &
import sys
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib


class Service(dbus.service.Object):
    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, title, body, actions, hints, timeout):
        with open(sys.argv[1], "a", encoding="utf-8") as log:
            print(title, body.replace("\n", "\\n"), ",".join(actions), sep="|", file=log)
        return 1


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
name = dbus.service.BusName("org.freedesktop.Notifications", dbus.SessionBus())
Service(name, "/org/freedesktop/Notifications")
open(sys.argv[1], "a").close()
GLib.MainLoop().run()
PYTHON
E2E_PIDS+=("$!")
e2e_wait "the notification service is there" test -e "$E2E_WORK/notices.txt"

# The first duck comes on 16 October 2008 at 9:00, eleven days after the quit.
# Five minutes on the program's clock from 8:58: ten refreshes, one past the arrival.
e2e_prepare_started_tracker
for choice in 1 0; do
    printf '%s\r\n' "$choice" >yorumadata/notice.ini
    e2e_start_program '2008-10-16 08:58:00 x60' "$E2E_TITLE_MAIN" "main window, notice.ini $choice"
    sleep 5
    kill -TERM "$E2E_PID"
    e2e_exit "$E2E_PID" "SIGTERM"
    # The first run's notification, once, and nothing more from the second.
    e2e_expect_bytes "$E2E_WORK/notices.txt" 'ヨルマ式|アヒル副隊長がお祝いに来ました|default,開く\n' "notice.ini $choice"
done
