#include "accessibility/ole_runtime.h"

#include "app/system_dlls.h"
#include "display/row_text.h"

namespace {

bool g_oleLoaded = false;

template <typename Function>
bool LookUp(const char* dll, const char* name, Function* function)
{
    *function = LookUpSystemFunction<Function>(dll, name);
    return *function != NULL;
}

} // namespace

OleFunctions g_ole;

// COM is started once for the thread, as a single-threaded apartment.
bool LoadOle()
{
    if (g_oleLoaded)
        return true;
    OleFunctions& f = g_ole;
    bool found = LookUp("ole32.dll", "CoInitializeEx", &f.coInitializeEx) &&
                 LookUp("ole32.dll", "CoDisconnectObject", &f.coDisconnectObject) &&
                 LookUp("oleaut32.dll", "SysAllocString", &f.sysAllocString) &&
                 LookUp("oleacc.dll", "LresultFromObject", &f.lresultFromObject) &&
                 LookUp("oleacc.dll", "CreateStdAccessibleObject", &f.createStdAccessibleObject) &&
                 LookUp("oleacc.dll", "AccessibleObjectFromWindow", &f.accessibleObjectFromWindow);
    if (!found || FAILED(f.coInitializeEx(NULL, COINIT_APARTMENTTHREADED)))
        return false;
    g_oleLoaded = true;
    return true;
}

// Row texts are the longest texts given to readers.
BSTR MakeBstr(const char* text)
{
    OLECHAR wide[ROW_SPEECH_SIZE];
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide, ROW_SPEECH_SIZE) == 0)
        return NULL;
    return g_ole.sysAllocString(wide);
}
