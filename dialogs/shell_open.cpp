#include <windows.h>
#include <shellapi.h>

#include "dialogs/shell_open.h"

// The request's result is not examined: a missing browser or mail program
// simply leaves the About box open.
void OpenShellAddress(const char* address)
{
    ShellExecuteA(NULL, "open", address, NULL, NULL, SW_HIDE);
}
