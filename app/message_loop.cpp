#include "app/startup.h"

#include "dialogs/reference_windows.h"

namespace {

// Keyboard input made in an open reference window is that window's: it
// never fires an accelerator and never reaches the calculator.
bool IsReferenceWindowMessage(HWND window, MSG* message)
{
    return window != NULL && IsDialogMessageA(window, message);
}

} // namespace

void HandleLoopMessage(MSG* message, HACCEL accelerators)
{
    if (IsReferenceWindowMessage(g_helpWindow, message))
        return;
    if (IsReferenceWindowMessage(g_historyWindow, message))
        return;
    if (TranslateAcceleratorA(message->hwnd, accelerators, message))
        return;
    TranslateMessage(message);
    DispatchMessageA(message);
}

// GetMessageA answers -1 on an error; that ends the loop as the quit does.
int RunMessageLoop(HACCEL accelerators)
{
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, NULL, 0, 0);
        if (got == 0)
            return (int)message.wParam;
        if (got == -1)
            return 0;
        HandleLoopMessage(&message, accelerators);
    }
}
