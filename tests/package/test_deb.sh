#!/usr/bin/env bash
# The Debian package, built with CPack from a built tree (BUILD_DIR): exactly
# its files, Debian's checks (lintian, appstreamcli, desktop-file-validate), and
# the unpacked program started once through its menu starter on a private Xvfb
# display, as the end-to-end tests run it, keeping its data in the user's own
# folder. Nothing is installed.
#
#     bash tests/package/test_deb.sh BUILD_DIR
[[ $# -eq 1 && -f "$1/CPackConfig.cmake" ]] || { echo "usage: $0 BUILD_DIR (a configured and built tree)" >&2; exit 2; }
build=$(cd "$1" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" "$build/src/yoruma"
LOG="$E2E_WORK/program.log"  # shown by e2e_fail
cpack --config "$build/CPackConfig.cmake" -B "$E2E_WORK/pkg" >>"$LOG" 2>&1 || e2e_fail "cpack failed"
# shellcheck disable=SC2015  # (either failing fails)
deb=$(echo "$E2E_WORK"/pkg/yoruma_*.deb) && [[ -f "$deb" ]] || e2e_fail "cpack made no single yoruma_*.deb"
# Exactly these files: no tests, benchmarks or build tools.
{ printf -- '-rwxr-xr-x ./usr/bin/%s\n' yoruma yoruma-start
    printf -- 'lrwxrwxrwx ./usr/share/%s/man1/yoruma-start.1.gz\n' man man/ja
    printf -- '-rw-r--r-- ./usr/share/%s\n' applications/yoruma.desktop metainfo/jp.example.nubera.yoruma.metainfo.xml \
        doc/yoruma/{copyright,changelog.Debian.gz} {man,man/ja}/man1/yoruma.1.gz \
        icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/yoruma.png
} | sort | diff -u - <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort) || e2e_fail "unexpected file list"
# lintian: no error or warning but the one README.md explains (no Debian bug to close on a first upload).
lintian --pedantic --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$deb" >>"$LOG" 2>&1 || e2e_fail "lintian finds faults"
root="$E2E_WORK/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/yoruma.desktop" || e2e_fail "desktop-file-validate rejects yoruma.desktop"
# validate-tree checks each metainfo file in the tree as validate does, and the tree around it.
appstreamcli validate-tree --no-net "$root" >>"$LOG" 2>&1 || e2e_fail "appstreamcli rejects the metadata"
e2e_ok "the package holds the expected files and passes lintian, desktop-file-validate and appstreamcli"

E2E_BIN="$root/usr/bin/yoruma-start"
e2e_start_program - "$E2E_TITLE_FIRST_RUN" "the first-run window of the unpacked yoruma-start"
[[ -f "$HOME/.local/share/yoruma/yorumadata/initial.ini" && ! -e yorumadata/initial.ini ]] \
    || e2e_fail "the data is not in ~/.local/share/yoruma alone"
e2e_ok "the unpacked yoruma-start keeps the program's data in ~/.local/share/yoruma"
