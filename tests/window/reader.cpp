#include "reader.h"

VARIANT Child(LONG id)
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string Narrow(BSTR text)
{
    char buffer[256] = "";
    if (text != NULL)
        WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    SysFreeString(text);
    return buffer;
}
