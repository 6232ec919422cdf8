# Compile and link options by compiler, as interface libraries that targets
# link to: GCC and clang take the GNU spellings, MSVC and clang-cl MSVC's.
#   ternwick_warnings          everything of ours, tests included
#   ternwick_product_options   the program's own code: no exceptions, no
#                              run-time type information, and with GNU tools
#                              every function in a section of its own so
#                              that the link drops unused ones
#   ternwick_test_options      test programs: GoogleTest and the standard
#                              containers want exceptions; the tests' own
#                              code is barely optimised, which cuts its
#                              compile time (the code under test is built
#                              as shipped). At -O0 clang would emit an
#                              inline member of libstdc++ that its static
#                              library defines as well.
#   ternwick_program_options   the shipped program: stripped, unused
#                              sections dropped, linked with link-time
#                              optimisation, which inlines across files
add_library(ternwick_warnings INTERFACE)
add_library(ternwick_product_options INTERFACE)
add_library(ternwick_test_options INTERFACE)
add_library(ternwick_program_options INTERFACE)
target_link_libraries(ternwick_product_options INTERFACE ternwick_warnings)
target_link_libraries(ternwick_test_options INTERFACE ternwick_warnings)

if(MSVC)
    # MSVC's default flags switch exceptions on for every target; here each
    # target says for itself whether it wants them.
    string(REPLACE "/EHsc" "" CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS}")
    target_compile_options(ternwick_warnings INTERFACE /W4)
    target_compile_options(ternwick_product_options INTERFACE /GR-)
    target_compile_options(ternwick_test_options INTERFACE /EHsc /Od)
    # The linker would add a manifest of its own beside the one in the
    # resource script.
    target_link_options(ternwick_program_options INTERFACE /OPT:REF /MANIFEST:NO)
else()
    target_compile_options(ternwick_warnings INTERFACE -Wall -Wextra)
    target_compile_options(ternwick_test_options INTERFACE -O1)
    target_compile_options(ternwick_product_options INTERFACE
        -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
    target_link_options(ternwick_program_options INTERFACE -s -Wl,--gc-sections)
    # Link-time optimisation takes a tenth off the program, at no cost in
    # build time. GCC compiles the program's code both ways, so the test
    # programs link it as usual; clang's linker optimises the code of every
    # program that links it, and clang sizes the shipped program at -Oz.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(ternwick_product_options INTERFACE -flto -ffat-lto-objects)
        target_link_options(ternwick_program_options INTERFACE -flto)
    elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(ternwick_product_options INTERFACE
            -flto $<$<CONFIG:MinSizeRel>:-Oz>)
        target_link_options(ternwick_program_options INTERFACE -flto)
    endif()
    if(WIN32)
        # Static C and C++ runtimes, for GCC and clang alike, cross or on
        # Windows: the programs need only the system's DLLs.
        string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")
    endif()
endif()
