#include "app/startup.h"

#include "app/main_window.h"
#include "app/settings.h"
#include "accessibility/accessibility.h"
#include "display/layout.h"
#include "display/menu_state.h"
#include "display/metrics.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

const char WINDOW_TITLE[] = "Ternwick (v0.06.00 - Beta)";
// Caption, system menu and minimise box: no maximise box, no sizing border.
const DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

} // namespace

HINSTANCE g_instance = NULL;
char g_className[CLASS_NAME_SIZE] = "";

void LoadClassName(HINSTANCE instance)
{
    LoadStringA(instance, IDS_CLASS_NAME, g_className, CLASS_NAME_SIZE);
}

void RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LARGE));
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    windowClass.lpszClassName = g_className;
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    RegisterClassExA(&windowClass);
}

// The kept settings, where the user keeps them, are in place before the
// window is made, so it never shows at another place or with other rows.
// The status bar, the sizing and the menu marks run before the window is
// checked; with no window each of them does nothing.
int CreateMainWindow(HINSTANCE instance, int showCommand)
{
    g_instance = instance;
    LoadSettings();
    HWND window = CreateWindowExA(0, g_className, WINDOW_TITLE, MAIN_WINDOW_STYLE, g_windowPlace.x,
                                  g_windowPlace.y, 0, 0, NULL, NULL, instance, NULL);
    UpdateLayoutMetrics(WindowDpi(window));
    if (g_statusBarVisible)
        CreateStatusBar(window, instance);
    SizeMainWindow(window);
    UpdateMenuState();
    RecordAnnouncedRows();
    if (window == NULL)
        return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return 1;
}
