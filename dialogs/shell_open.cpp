#include <windows.h>

#include "app/system_dlls.h"
#include "dialogs/shell_open.h"

namespace {

typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, const char*, const char*, const char*,
                                                const char*, int);

} // namespace

// The shell's DLL is loaded from the system directory when a link is first
// opened, not at every start: it is large and brings more DLLs with it. The
// request's result is not examined: a missing shell, browser or mail
// program simply leaves the About box open.
void OpenShellAddress(const char* address)
{
    const ShellExecuteFunction shellExecute =
        LookUpSystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (shellExecute != NULL)
        shellExecute(NULL, "open", address, NULL, NULL, SW_HIDE);
}
