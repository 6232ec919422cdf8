#include <windows.h>

#include "app/startup.h"
#include "app/system_dlls.h"
#include "resources/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    RestrictDllSearch();
    LoadClassName(instance);
    RegisterMainWindowClass(instance);
    if (!CreateMainWindow(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN_ACCEL));
    return RunMessageLoop(accelerators);
}
