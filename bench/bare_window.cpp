// The fastest start the platform allows for a window like the calculator's:
// the same resources (menu, icons, the DPI-aware manifest with common
// controls 6), a status bar with four parts and texts, and a row of text
// in the stock fixed font. The start-up benchmark holds the calculator to
// it.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"

namespace {

const char CLASS_NAME[] = "TernwickBareWindow";
const int PART_EDGES[] = {240, 368, 440, -1};
const int PART_COUNT = 4;
const char ROW_TEXT[] = "Hex:                    0";

HWND g_statusBar = NULL;

void PaintRow(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    TextOutA(dc, 0, 7, ROW_TEXT, lstrlenA(ROW_TEXT));
    EndPaint(window, &paint);
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: PaintRow(window); return 0;
    case WM_SIZE: SendMessageA(g_statusBar, WM_SIZE, wParam, lParam); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MakeStatusBar(HWND parent, HINSTANCE instance)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    g_statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0,
                                  0, 0, 0, parent, NULL, instance, NULL);
    SendMessageA(g_statusBar, SB_SETPARTS, PART_COUNT, (LPARAM)PART_EDGES);
    SendMessageA(g_statusBar, SB_SETTEXTA, 0,
                 (LPARAM) "      Bus=00  |  Dev=00  |  Func=0  |  Reg=00");
    SendMessageA(g_statusBar, SB_SETTEXTA, 1, (LPARAM) "      Data Width = 64");
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LARGE));
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    windowClass.lpszClassName = CLASS_NAME;
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, CLASS_NAME, "Bare window", WS_CAPTION | WS_SYSMENU, 10, 10,
                                  738, 140, NULL, NULL, instance, NULL);
    MakeStatusBar(window, instance);
    SendMessageA(window, WM_SIZE, 0, 0);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
