#include "shell_recorder.h"

#include "dialogs/shell_open.h"

std::vector<std::string> g_shellRequests;

void OpenShellAddress(const char* address)
{
    g_shellRequests.push_back(address);
}
