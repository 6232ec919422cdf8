# What both cross toolchains share: 64-bit Windows programs against Debian's
# mingw-w64 sysroot, resources compiled by its windres, imports read by its
# objdump, and every Windows test program run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${MINGW_TRIPLE}-objdump)

# Libraries, headers and packages come from the sysroot only: a native
# Linux GoogleTest package must never be linked into a Windows program.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One Wine prefix serves the tests of every cross build; tools/test.sh
# starts its server once for all of them.
set(TERNWICK_TEST_WINEPREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/wineprefix-test")
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec.sh;${TERNWICK_TEST_WINEPREFIX}")
