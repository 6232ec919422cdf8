# Cross-builds the same 64-bit Windows programs with Debian's clang and lld,
# so that a second compiler checks the code. Clang finds the mingw-w64 C
# headers and libraries by itself, but not the C++ library of GCC's posix
# flavour, whose folder name carries no plain version number: its headers
# and libraries are named here. That library keeps its thread-local data
# through winpthread, which the link adds.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_TRIPLE})

file(GLOB GCC_POSIX_DIRS /usr/lib/gcc/${MINGW_TRIPLE}/*-posix)
if(NOT GCC_POSIX_DIRS)
    message(FATAL_ERROR "No GCC posix C++ library for ${MINGW_TRIPLE}: install g++-mingw-w64-x86-64-posix")
endif()
list(SORT GCC_POSIX_DIRS COMPARE NATURAL ORDER DESCENDING)
list(GET GCC_POSIX_DIRS 0 GCC_POSIX_DIR)
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${GCC_POSIX_DIR}/include/c++ -isystem ${GCC_POSIX_DIR}/include/c++/${MINGW_TRIPLE}")

# lld searches archives in any order, so winpthread may come first.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${GCC_POSIX_DIR} -lwinpthread")
