// The DLLs the program loads itself, and the functions it looks up at run
// time, come from the system directory only: a program started from a
// downloads folder must never load a DLL that was left beside it.
#pragma once

#include <windows.h>

// Restricts the DLL search of the process to the system directory; the
// first thing at start.
void RestrictDllSearch();

// A function of a system DLL, the DLL loaded from the system directory
// where it is not loaded yet; NULL where either is missing (a function
// newer than the running Windows, say).
FARPROC FindSystemFunction(const char* dll, const char* name);

template <typename Function>
Function LookUpSystemFunction(const char* dll, const char* name)
{
    FARPROC found = FindSystemFunction(dll, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
