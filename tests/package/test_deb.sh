#!/usr/bin/env bash
# The Debian package, built with CPack from a built tree (BUILD_DIR): exactly
# its files, Debian's checks (lintian, appstreamcli, desktop-file-validate), and
# the unpacked program started once through its menu starter on a private Xvfb
# display, keeping its data in the user's own folder. Nothing is installed.
#
#     bash tests/package/test_deb.sh BUILD_DIR
set -euo pipefail
[[ $# -eq 1 && -f "$1/CPackConfig.cmake" ]] || { echo "usage: $0 BUILD_DIR (a configured and built tree)" >&2; exit 2; }
build=$(cd "$1" && pwd)
work=$(mktemp -d "${YORUMA_E2E_ROOT:-${TMPDIR:-/tmp}}/yoruma-package.XXXXXX")
pid="" XVFB_PID=""
trap 'status=$?; kill -9 $pid $XVFB_PID 2>/dev/null; [[ $status == 0 && -z "${YORUMA_E2E_KEEP:-}" ]] && rm -rf "$work" || echo "kept $work"; exit $status' EXIT
fail() { echo "FAIL: $*" >&2; tail -n 20 "$work"/*.log >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 || fail "cpack failed"
deb=$(echo "$work"/pkg/yoruma_*.deb)
[[ -f "$deb" ]] || fail "cpack made no single yoruma_*.deb"
# Exactly these files: no tests, benchmarks or build tools.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort >"$work/files.txt"
{
    echo "-rwxr-xr-x ./usr/bin/yoruma"
    echo "-rwxr-xr-x ./usr/bin/yoruma-start"
    echo "-rw-r--r-- ./usr/share/applications/yoruma.desktop"
    echo "-rw-r--r-- ./usr/share/metainfo/jp.example.nubera.yoruma.metainfo.xml"
    echo "-rw-r--r-- ./usr/share/doc/yoruma/copyright"
    echo "-rw-r--r-- ./usr/share/doc/yoruma/changelog.Debian.gz"
    for folder in man man/ja; do
        echo "-rw-r--r-- ./usr/share/$folder/man1/yoruma.1.gz"
        echo "lrwxrwxrwx ./usr/share/$folder/man1/yoruma-start.1.gz"
    done
    for size in 16 32 48 64 128 256; do echo "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/yoruma.png"; done
} | sort | diff -u - "$work/files.txt" || fail "unexpected file list"

# lintian: no error or warning but the one README.md explains (no Debian bug to close on a first upload).
lintian --pedantic --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" >"$work/lintian.log" 2>&1 \
    || fail "lintian finds faults"
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/yoruma.desktop" || fail "desktop-file-validate rejects yoruma.desktop"
{ appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml && appstreamcli validate-tree --no-net "$root"; } \
    >"$work/appstream.log" 2>&1 || fail "appstreamcli rejects the metadata"
echo "ok: the package holds the expected files and passes lintian, desktop-file-validate and appstreamcli"

mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=0"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_SESSION_TYPE WAYLAND_DISPLAY DISPLAY
# shellcheck source=scripts/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
start_xvfb "$work" || fail "Xvfb did not start"
(cd "$work" && exec "$root/usr/bin/yoruma-start") >"$work/program.log" 2>&1 &
pid=$!
for ((i = 0; i < 150; i++)); do
    timeout 5 xdotool search --onlyvisible --all --pid "$pid" --name '^ ヨルマ式初期設定 - nubera$' >/dev/null 2>&1 && break
    sleep 0.1
done
((i < 150)) || fail "yoruma-start showed no first-run window"
[[ -f "$HOME/.local/share/yoruma/yorumadata/initial.ini" && ! -e "$work/yorumadata" ]] \
    || fail "the data is not in ~/.local/share/yoruma alone"
echo "ok: the unpacked yoruma-start runs the program in ~/.local/share/yoruma"
