#include "app/system_dlls.h"

namespace {

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFunction)(DWORD);

// Set once the search of every later load is the system directory alone.
bool g_searchRestricted = false;

// The system directory's copy of a DLL: by the restricted search, or by
// its full path where Windows lacks that search (Windows 7 without its
// 2011 loader update).
HMODULE LoadSystemLibrary(const char* dll)
{
    if (g_searchRestricted)
        return LoadLibraryExA(dll, NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + lstrlenA(dll) >= MAX_PATH)
        return NULL;
    lstrcatA(path, "\\");
    lstrcatA(path, dll);
    // The DLL's own dependencies are then looked for beside it first.
    return LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

// Where the restriction is missing, the current directory at least leaves
// the search.
void RestrictDllSearch()
{
    const SetDefaultDllDirectoriesFunction setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault != NULL && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        g_searchRestricted = true;
    else
        SetDllDirectoryA("");
}

FARPROC FindSystemFunction(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (module == NULL)
        module = LoadSystemLibrary(dll);
    return module != NULL ? GetProcAddress(module, name) : NULL;
}
