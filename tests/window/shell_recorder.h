// Test stand-in for the shell request: records the addresses instead of
// starting a browser or a mail program.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> g_shellRequests;
