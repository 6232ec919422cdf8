#include "statusbar/status_bar.h"

#include <commctrl.h>

#include "accessibility/status_accessible.h"
#include "app/startup.h"
#include "app/system_dlls.h"
#include "display/bit_selection.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "display/menu_state.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/bit_hover.h"
#include "statusbar/status_fit.h"

namespace {

typedef BOOL(WINAPI* SystemParametersInfoForDpiFunction)(UINT, UINT, void*, UINT, UINT);

// Made for the DPI by every scaling; the bar keeps using it until the next.
HFONT g_statusFont = NULL;

// The system's status font at the DPI: asked for that DPI where Windows
// can say, else the font at the system's DPI scaled to it. The DPI form
// knows only the wide structure.
HFONT MakeStatusFont(int dpi)
{
    const SystemParametersInfoForDpiFunction forDpi =
        LookUpSystemFunction<SystemParametersInfoForDpiFunction>("user32.dll",
                                                                 "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (forDpi != NULL && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, (UINT)dpi))
        return CreateFontIndirectW(&metrics.lfStatusFont);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return NULL;
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, WindowDpi(NULL));
    return CreateFontIndirectW(&metrics.lfStatusFont);
}

} // namespace

bool IsHexRowAlone()
{
    return IsRowVisible(ROW_HEX) && !IsRowVisible(ROW_DEC) && !IsRowVisible(ROW_BIN);
}

bool g_statusBarVisible = true;
HWND g_statusBar = NULL;
int g_statusBarHeight = 0;

bool IsStatusBarShown()
{
    return g_statusBarVisible && g_statusBar != NULL;
}

void CreateStatusBar(HWND parent, HINSTANCE instance)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    g_statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                  0, 0, 0, 0, parent, (HMENU)(INT_PTR)STATUS_BAR_ID, instance,
                                  NULL);
    ExposeStatusBarToReaders(g_statusBar);
    ScaleStatusBar();
}

// The status font for the current DPI, part edges wide enough for its
// texts, and the height the bar takes with that font.
void ScaleStatusBar()
{
    g_statusBarHeight = 0;
    if (g_statusBar == NULL)
        return;
    HFONT previous = g_statusFont;
    g_statusFont = MakeStatusFont(g_metrics.dpi);
    if (g_statusFont != NULL)
        SendMessageA(g_statusBar, WM_SETFONT, (WPARAM)g_statusFont, FALSE);
    if (previous != NULL)
        DeleteObject(previous);
    FitStatusPartsToTexts(g_statusBar);
    UpdateStatusBarText(g_statusBar);
    SendMessageA(g_statusBar, WM_SIZE, 0, 0);
    RECT rect;
    GetWindowRect(g_statusBar, &rect);
    g_statusBarHeight = rect.bottom - rect.top;
}

void ReleaseStatusFont()
{
    if (g_statusFont != NULL)
        DeleteObject(g_statusFont);
    g_statusFont = NULL;
}

void ToggleStatusBar()
{
    g_statusBarVisible = !g_statusBarVisible;
    if (g_statusBarVisible) {
        CreateStatusBar(g_mainWindow, g_instance);
    } else if (g_statusBar != NULL) {
        DestroyWindow(g_statusBar);
        g_statusBar = NULL;
    }
    SizeMainWindow(g_mainWindow);
    UpdateMenuState();
    // A new bar's readout names the bit cursor's bit again.
    RereadBitHover();
}

void WantStatusBar(bool shown)
{
    g_statusBarVisible = shown;
}

void UpdateStatusBarText(HWND statusBar)
{
    if (statusBar == NULL)
        return;
    char flags[32];
    FormatFlagsText(g_calc.openParens, g_calc.flags, flags, sizeof flags);
    int edges[STATUS_PART_COUNT];
    int parts = StatusPartEdges(edges, flags[0] != 0);
    SendMessageA(statusBar, SB_SETPARTS, parts, (LPARAM)edges);

    // A selected field is read in the readout's place.
    char readout[100];
    if (HasBitField())
        FormatFieldReadout(ShownValue(), g_bitSelection.top, g_bitSelection.bottom, readout,
                           sizeof readout);
    else
        FormatPciReadout(ShownValue(), readout, sizeof readout);
    const char* text = IsHexRowAlone() ? readout + LEADING_SPACES : readout;
    SendMessageA(statusBar, SB_SETTEXTA, STATUS_PART_PCI, (LPARAM)text);
    if (parts == STATUS_PART_COUNT) {
        char width[32];
        FormatDataWidthText(g_calc.dataWidth, width, sizeof width);
        SendMessageA(statusBar, SB_SETTEXTA, STATUS_PART_WIDTH, (LPARAM)width);
    }
    // An empty flags part has no border either.
    WPARAM border = flags[0] == 0 ? SBT_NOBORDERS : 0;
    SendMessageA(statusBar, SB_SETTEXTA, (parts - 1) | border, (LPARAM)flags);
}

void ForwardSizeToStatusBar(WPARAM wParam, LPARAM lParam)
{
    if (g_statusBar != NULL)
        SendMessageA(g_statusBar, WM_SIZE, wParam, lParam);
}

// Common controls keep their own copy of the system colours.
void ForwardColourChangeToStatusBar()
{
    if (g_statusBar != NULL)
        SendMessageA(g_statusBar, WM_SYSCOLORCHANGE, 0, 0);
}
