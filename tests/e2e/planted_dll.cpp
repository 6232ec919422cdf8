// A stand-in for a DLL that a web page left in a downloads folder under the
// name of a system DLL. It exports nothing; once loaded it leaves a file
// named "planted-dll-loaded" beside itself, so a test sees that it ran.
#include <windows.h>

#include <string.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
    char* slash = strrchr(path, '\\');
    const char MARK[] = "planted-dll-loaded";
    if (length == 0 || slash == NULL || (size_t)(slash + 1 - path) + sizeof MARK > MAX_PATH)
        return TRUE;
    strcpy(slash + 1, MARK);
    CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    return TRUE;
}
