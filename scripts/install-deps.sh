#!/usr/bin/env bash
# Installs what building, running and testing yoruma needs on Debian 12, and
# only what is missing. Runs apt-get (through sudo when not root) only when
# something is missing.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build                 # compilers and build tools
    qt6-base-dev qt6-translations-l10n                # Qt 6 Widgets, Qt's own Japanese texts
    libgtest-dev libgmock-dev libbenchmark-dev clang  # tests and benchmarks
    libclang-rt-14-dev                                # libFuzzer and sanitizer runtimes for fuzz/
    xvfb xdotool xclip x11-utils                      # the program on a virtual display
    inotify-tools                                     # the end-to-end tests see a save begin
    libfaketime faketime                              # a faked clock for the end-to-end tests
    imagemagick                                       # screenshots
    fonts-ipafont-gothic                              # a Japanese monospaced font
    trayer                                            # a tray host for headless runs
    dbus-bin dbus-daemon at-spi2-core python3-pyatspi # the accessibility bus, read as a screen reader does
    weston qt6-wayland                                # the program under Wayland (end-to-end test)
    python3-dbus python3-gi                           # a notification service of the tests' own
    libx11-dev                                        # the start-up benchmark helper
    dpkg-dev file                                     # the .deb (CPack needs file, dpkg-shlibdeps)
    lintian appstream desktop-file-utils              # its checks by Debian's rules
)

missing=()
for package in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: all ${#PACKAGES[@]} packages are installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps: not root and no sudo; install as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
echo "install-deps: done"
