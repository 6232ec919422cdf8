#include "shell_recorder.h"

#include "dialogs/about.h"

std::vector<std::string> g_shellRequests;

void OpenShellAddress(const char* address)
{
    g_shellRequests.push_back(address);
}
