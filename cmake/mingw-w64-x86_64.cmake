# Cross-builds 64-bit Windows programs with Debian's mingw-w64 GCC. The posix
# thread model is the one GoogleTest builds with.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
