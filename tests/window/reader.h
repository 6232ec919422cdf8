// What a screen reader passes and gets back through Active Accessibility.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

// The child VARIANT naming a child by number (CHILDID_SELF: the object).
inline VARIANT Child(LONG id)
{
    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A text the reader got, as a narrow string; the BSTR is freed.
inline std::string Narrow(BSTR text)
{
    char buffer[256] = "";
    if (text != NULL)
        WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    SysFreeString(text);
    return buffer;
}
