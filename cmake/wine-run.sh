#!/bin/sh
# Runs a Windows program of the cross build under wine: the test programs for
# ctest and gtest_discover_tests, the icon tool at build time. The Qt DLLs
# come from YORUMA_QT_PREFIX, the GCC runtime DLLs from the compiler.
# Wine drops environment variables starting with QT_; set WINEQT_... instead.
set -e
: "${YORUMA_QT_PREFIX:?YORUMA_QT_PREFIX must name the Qt for mingw install}"
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="Z:$YORUMA_QT_PREFIX/bin;Z:$gcc_dlls;Z:/usr/x86_64-w64-mingw32/lib"
WINEDEBUG=${WINEDEBUG:--all}
WINEQT_FORCE_STDERR_LOGGING=1
export WINEPATH WINEDEBUG WINEQT_FORCE_STDERR_LOGGING
exec /usr/lib/wine/wine64 "$@"
