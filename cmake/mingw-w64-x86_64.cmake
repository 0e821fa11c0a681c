# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
# Used by scripts/windows-build.sh, both for Qt itself and for the program.
# Optional: -DYORUMA_QT_PREFIX=<Qt for mingw install prefix>.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(YORUMA_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${YORUMA_QT_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs (and gtest_discover_tests at build time) run under wine, in
# the wine prefix named by WINEPREFIX when the build was configured.
if(YORUMA_QT_PREFIX)
  set(CMAKE_CROSSCOMPILING_EMULATOR env "WINEPREFIX=$ENV{WINEPREFIX}" "YORUMA_QT_PREFIX=${YORUMA_QT_PREFIX}"
      ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
endif()
