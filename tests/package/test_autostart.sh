#!/usr/bin/env bash
# yoruma-start --autostart: the login entry it writes, reports and removes, where
# it puts it, and that none of this starts the program.
#
#     bash tests/package/test_autostart.sh packaging/yoruma-start
set -euo pipefail
work=$(mktemp -d "${TMPDIR:-/tmp}/yoruma-autostart.XXXXXX")
trap 'rm -rf "$work"' EXIT
install -D "$1" "$work/bin/yoruma-start"
# A stand-in for the program: it leaves "started" where it runs, in its data folder.
printf '#!/bin/sh\ntouch started\n' >"$work/bin/yoruma" && chmod +x "$work/bin/yoruma"
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
home=$HOME/.config/autostart/yoruma.desktop own=$work/config/autostart/yoruma.desktop
on="ログイン時に起動します" off="ログイン時には起動しません" usage="usage: yoruma-start [--autostart [on|off]]"

# check XDG_CONFIG_HOME ARGUMENTS STATUS OUTPUT ENTRY: afterwards the login entry ENTRY ("" for none) is the
# only file in either folder: no other entry, and no program started.
check() {
    # shellcheck disable=SC2086  # ARGUMENTS are split into words on purpose
    got=$(XDG_CONFIG_HOME=$1 "$work/bin/yoruma-start" $2 2>&1; echo "status $?, files [$(find "$work"/{home,config} -type f 2>/dev/null)]")
    [[ $got == "$4"$'\n'"status $3, files [$5]" ]] || { echo "FAIL: XDG_CONFIG_HOME='$1' yoruma-start $2: $got"; exit 1; }
}

#     XDG_CONFIG_HOME  arguments          status output           entry afterwards
check ""               "--autostart on"   0      "$on ($home)"    "$home"
check "config"         "--autostart"      0      "$on ($home)"    "$home"  # relative: ignored
check ""               "--autostart off"  0      "$off"           ""
check ""               "--autostart off"  0      "$off"           ""       # nothing to remove
check "$work/config"   "--autostart on"   0      "$on ($own)"     "$own"
check ""               "--autostart"      0      "$off"           "$own"
# shellcheck disable=SC2015  # (either failing fails)
desktop-file-validate "$own" && grep -qxF 'Exec=yoruma-start' "$own" || { echo "FAIL: the entry"; exit 1; }
echo 'Hidden=true' >>"$own"  # switched off by a desktop's own settings
check "$work/config"   "--autostart"      0      "$off"           "$own"
check "$work/config"   "--autostart off"  0      "$off"           ""
check ""               "--autostart yes"  2      "$usage"         ""
check ""               "--autostart on x" 2      "$usage"         ""
echo "ok: yoruma-start --autostart writes, reports and removes the login entry"
