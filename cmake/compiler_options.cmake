# Compile and link options by compiler, as interface libraries that targets
# link to: GCC and clang take the GNU spellings, MSVC and clang-cl MSVC's.
if(MSVC)
    set(IS_MSVC 1)
else()
    set(IS_MSVC 0)
endif()
set(IS_GNU_LIKE "$<NOT:${IS_MSVC}>")

if(WIN32 AND NOT MSVC)
    # Static C and C++ runtimes, for GCC and clang alike, cross or on
    # Windows: the programs need only the system's DLLs.
    string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")
endif()

if(MSVC)
    # MSVC's default flags switch exceptions on for every target; here each
    # target says for itself whether it wants them.
    string(REPLACE "/EHsc" "" CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS}")
endif()

# Warnings, for everything of ours, tests included.
add_library(ternwick_warnings INTERFACE)
target_compile_options(ternwick_warnings INTERFACE
    "$<${IS_MSVC}:/W4>"
    "$<${IS_GNU_LIKE}:-Wall;-Wextra>")

# The program's own code: no exceptions, no run-time type information, and
# every function in a section of its own so that the link drops unused ones.
add_library(ternwick_product_options INTERFACE)
target_link_libraries(ternwick_product_options INTERFACE ternwick_warnings)
target_compile_options(ternwick_product_options INTERFACE
    "$<${IS_MSVC}:/GR->"
    "$<${IS_GNU_LIKE}:-fno-exceptions;-fno-rtti;-ffunction-sections;-fdata-sections>")

# Test programs: GoogleTest and the standard containers want exceptions.
add_library(ternwick_test_options INTERFACE)
target_link_libraries(ternwick_test_options INTERFACE ternwick_warnings)
target_compile_options(ternwick_test_options INTERFACE "$<${IS_MSVC}:/EHsc>")

# The shipped program: stripped, unused sections dropped. MSVC's linker
# would add a manifest of its own beside the one in the resource script.
add_library(ternwick_program_options INTERFACE)
target_link_options(ternwick_program_options INTERFACE
    "$<${IS_MSVC}:/OPT:REF;/MANIFEST:NO>"
    "$<${IS_GNU_LIKE}:-s;-Wl,--gc-sections>")
