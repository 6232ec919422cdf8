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

# Registers one CTest test for each test suite of TARGET, read from its
# sources: the cases of a suite run in one process (under Wine one start
# of the process instead of one per case), and a failing case is named in
# that test's output. Suites instantiated with a prefix (Rows/DigitEntry)
# are matched too. The arguments after PROPERTIES go to every test.
#   add_gtest_suites(TARGET [PROPERTIES name value ...])
function(add_gtest_suites target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "PROPERTIES")
    get_target_property(sources ${target} SOURCES)
    set(suites "")
    foreach(source IN LISTS sources)
        if(NOT source MATCHES "_test\\.cpp$")
            continue()
        endif()
        file(STRINGS ${source} lines REGEX "^TEST(_F|_P)?\\(")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
            list(APPEND suites ${suite})
        endforeach()
    endforeach()
    if(NOT suites)
        message(FATAL_ERROR "No test suites found in the sources of ${target}")
    endif()
    list(REMOVE_DUPLICATES suites)
    foreach(suite IN LISTS suites)
        add_test(NAME ${target}.${suite}
            COMMAND ${target} --gtest_filter=${suite}.*:*/${suite}.*)
        if(ARG_PROPERTIES)
            set_tests_properties(${target}.${suite} PROPERTIES ${ARG_PROPERTIES})
        endif()
    endforeach()
endfunction()
