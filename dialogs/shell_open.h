// The shell's "open" action on an address. The program supplies it, so the
// About box itself never starts a browser in the tests.
#pragma once

void OpenShellAddress(const char* address);
