// A stand-in for a DLL that a web page left in a downloads folder under the
// name of a system DLL. It exports nothing and needs no C runtime, so it
// loads wherever it is found; once loaded it leaves a file named
// "planted-dll-loaded" beside itself, so a test sees that it ran.
#include <windows.h>

extern "C" BOOL WINAPI PlantedDllMain(HINSTANCE instance, DWORD reason, void*)
{
    const char MARK[] = "planted-dll-loaded";
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    if (reason != DLL_PROCESS_ATTACH || length == 0 || length >= MAX_PATH)
        return TRUE;
    DWORD folder = length;
    while (folder > 0 && path[folder - 1] != '\\')
        folder--;
    if (folder + sizeof MARK > MAX_PATH)
        return TRUE;
    lstrcpyA(path + folder, MARK);
    CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    return TRUE;
}
