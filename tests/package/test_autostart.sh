#!/usr/bin/env bash
# yoruma-start --autostart: the login entry it writes, reports and removes,
# where it puts it, and that none of this starts the program.
#
#     bash tests/package/test_autostart.sh packaging/yoruma-start
set -euo pipefail

work=$(mktemp -d "${TMPDIR:-/tmp}/yoruma-autostart.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home"
cp "$1" "$work/bin/yoruma-start"
printf '#!/bin/sh\ntouch "%s/started"\n' "$work" >"$work/bin/yoruma"
chmod +x "$work/bin/yoruma-start" "$work/bin/yoruma"
export HOME=$work/home
unset XDG_DATA_HOME
home_entry=$HOME/.config/autostart/yoruma.desktop
own_entry=$work/config/autostart/yoruma.desktop
on="ログイン時に起動します"
off="ログイン時には起動しません"

failures=0
# check XDG_CONFIG_HOME ARGUMENTS STATUS OUTPUT ENTRY: runs the starter and
# compares its status and output; ENTRY must exist afterwards (or "none").
check() {
    local output status=0
    # shellcheck disable=SC2086  # ARGUMENTS are split into words on purpose
    output=$(XDG_CONFIG_HOME=$1 "$work/bin/yoruma-start" $2 2>&1) || status=$?
    if [[ $status != "$3" || $output != "$4" ]]; then
        echo "FAIL: XDG_CONFIG_HOME='$1' yoruma-start $2: status $status, output '$output'; expected $3, '$4'"
        failures=$((failures + 1))
    fi
    if [[ $5 != none && ! -f $5 ]] || [[ $5 == none && ( -e $home_entry || -e $own_entry ) ]]; then
        echo "FAIL: XDG_CONFIG_HOME='$1' yoruma-start $2: expected entry: $5"
        failures=$((failures + 1))
    fi
}

#     XDG_CONFIG_HOME  arguments          status output                   entry afterwards
check ""               "--autostart"      0      "$off"                   none
check ""               "--autostart on"   0      "$on ($home_entry)"      "$home_entry"
check ""               "--autostart"      0      "$on ($home_entry)"      "$home_entry"
check "config"         "--autostart"      0      "$on ($home_entry)"      "$home_entry"  # relative: ignored
check ""               "--autostart off"  0      "$off"                   none
check ""               "--autostart off"  0      "$off"                   none
check "$work/config"   "--autostart on"   0      "$on ($own_entry)"       "$own_entry"
check "$work/config"   "--autostart"      0      "$on ($own_entry)"       "$own_entry"
check ""               "--autostart"      0      "$off"                   "$own_entry"

desktop-file-validate "$own_entry" || { echo "FAIL: desktop-file-validate rejects the entry"; failures=$((failures + 1)); }
grep -qxF 'Exec=yoruma-start' "$own_entry" || { echo "FAIL: the entry does not run yoruma-start"; failures=$((failures + 1)); }
# Switched off by a desktop's own settings, without removing the file.
echo 'Hidden=true' >>"$own_entry"
check "$work/config"   "--autostart"      0      "$off"                   "$own_entry"
check "$work/config"   "--autostart off"  0      "$off"                   none
check ""               "--autostart yes"  2      "usage: yoruma-start [--autostart [on|off]]" none
check ""               "--autostart on x" 2      "usage: yoruma-start [--autostart [on|off]]" none

if [[ -e $work/started || -e $HOME/.local/share/yoruma ]]; then
    echo "FAIL: --autostart started the program or made its data folder"
    failures=$((failures + 1))
fi
((failures == 0)) || exit 1
echo "ok: yoruma-start --autostart writes, reports and removes the login entry"
