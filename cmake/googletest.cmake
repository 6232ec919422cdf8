# GoogleTest for the test programs: an installed package first (Debian's
# libgtest-dev, MSYS2, vcpkg), else Debian's source tree built with the
# project (a cross build finds no package for its target and lands here).
# Nothing is downloaded: without either, the program builds alone.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, used when no package is found")

find_package(GTest CONFIG QUIET)
if(GTest_FOUND)
    set(TERNWICK_HAVE_GTEST ON)
elseif(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT MSVC)
        # Barely optimised: the slowest file of a build compiles much faster.
        target_compile_options(gtest PRIVATE -O1)
    endif()
    set(TERNWICK_HAVE_GTEST ON)
else()
    message(WARNING "GoogleTest was not found (no GTest package, no sources in "
        "${GTEST_SOURCE_DIR}): building the program without its unit and window tests.")
    set(TERNWICK_HAVE_GTEST OFF)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/gtest_suites.cmake)
