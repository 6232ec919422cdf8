// The COM and accessibility functions the client object needs, loaded
// with their DLLs at the first request of a screen reader, so that a start
// without one loads none of them.
#pragma once

#include <windows.h>
#include <oleacc.h>

struct OleFunctions {
    HRESULT(WINAPI* coInitializeEx)(void*, DWORD);
    HRESULT(WINAPI* coDisconnectObject)(IUnknown*, DWORD);
    BSTR(WINAPI* sysAllocString)(const OLECHAR*);
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, IUnknown*);
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
    HRESULT(WINAPI* accessibleObjectFromWindow)(HWND, DWORD, REFIID, void**);
};

// Filled by the first successful LoadOle.
extern OleFunctions g_ole;

// Loads the functions and starts COM for the thread, once; false when
// either cannot be had.
bool LoadOle();
// A new BSTR holding the text; NULL when memory runs out.
BSTR MakeBstr(const char* text);
