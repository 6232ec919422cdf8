// What a screen reader passes and gets back through Active Accessibility.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

// The child VARIANT naming a child by number (CHILDID_SELF: the object).
VARIANT Child(LONG id);
// A text the reader got, as a narrow string; the BSTR is freed.
std::string Narrow(BSTR text);
