#include "app/startup.h"

void HandleLoopMessage(MSG* message, HACCEL accelerators)
{
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
