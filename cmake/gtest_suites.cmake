# Registers one CTest test for each test suite of TARGET, read from its
# sources: the cases of a suite run in one process (under Wine one start
# of the process instead of one per case), and a failing case is named in
# that test's output. Suites instantiated with a prefix (Rows/DigitEntry)
# are matched too. The arguments after PROPERTIES go to every test. The
# test sources are configure dependencies: the next build after a suite is
# added or renamed registers it anew.
#   add_gtest_suites(TARGET [PROPERTIES name value ...])
function(add_gtest_suites target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "PROPERTIES")
    get_target_property(sources ${target} SOURCES)
    set(suites "")
    foreach(source IN LISTS sources)
        if(NOT source MATCHES "_test\\.cpp$")
            continue()
        endif()
        get_filename_component(source ${source} ABSOLUTE)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
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
