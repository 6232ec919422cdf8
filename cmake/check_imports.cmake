# Fails the build when PROGRAM imports a DLL that is not part of Windows, or
# imports by name one of the functions in FORBIDDEN_FUNCTIONS (separated by
# commas; for example those newer than the oldest Windows the program must
# start on).
#   cmake -DOBJDUMP=... -DPROGRAM=... [-DFORBIDDEN_FUNCTIONS=a,b] -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(SYSTEM_DLLS KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL SHELL32.DLL MSVCRT.DLL
    ADVAPI32.DLL)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
foreach(line IN LISTS lines)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOUPPER "${dll}" upper)
    if(NOT upper IN_LIST SYSTEM_DLLS)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a system DLL")
    endif()
endforeach()
# objdump lists each imported function on a line of its own, after its
# hint number.
string(REPLACE "," ";" FORBIDDEN_FUNCTIONS "${FORBIDDEN_FUNCTIONS}")
foreach(function IN LISTS FORBIDDEN_FUNCTIONS)
    if(dump MATCHES "[ \t]${function}\n")
        message(FATAL_ERROR "${PROGRAM} imports ${function}, which older Windows lacks")
    endif()
endforeach()
