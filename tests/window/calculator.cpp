#include <gtest/gtest.h>

#include "calculator.h"

#include <commctrl.h>
#include <string.h>

#include "app/settings.h"
#include "app/startup.h"
#include "display/bit_pad.h"
#include "display/bit_selection.h"
#include "display/layout.h"
#include "display/rows.h"
#include "engine/format.h"
#include "resources/resource.h"
#include "statusbar/bit_hover.h"
#include "statusbar/status_bar.h"
#include "../engine/beep_counter.h"

namespace {

// Copies of the process-wide state taken before any test runs: each start
// returns to the state a freshly started program has.
const CalcState PRISTINE_CALC = g_calc;
DisplayRow g_pristineRows[ROW_COUNT];
const bool PRISTINE_STATUS_VISIBLE = g_statusBarVisible;
const POINT PRISTINE_PLACE = g_windowPlace;
const BitPad PRISTINE_PAD = g_bitPad;
const POINT PRISTINE_HOVER_POINT = g_hoverPoint;
bool g_pristineTaken = false;

void RestorePristineState()
{
    if (!g_pristineTaken) {
        memcpy(g_pristineRows, g_displayRows, sizeof g_displayRows);
        g_pristineTaken = true;
    }
    g_calc = PRISTINE_CALC;
    memcpy(g_displayRows, g_pristineRows, sizeof g_displayRows);
    g_statusBarVisible = PRISTINE_STATUS_VISIBLE;
    g_saveSettings = false;
    g_windowPlace = PRISTINE_PLACE;
    // The hover timer dies with the window it ran on.
    g_hoverTimerActive = false;
    g_hoverPoint = PRISTINE_HOVER_POINT;
    g_bitPad = PRISTINE_PAD;
    DeselectBitField();
    g_beepCount = 0;
}

HACCEL Accelerators()
{
    static HACCEL table = LoadAcceleratorsA(GetModuleHandleA(NULL),
                                            MAKEINTRESOURCEA(IDA_MAIN_ACCEL));
    return table;
}

} // namespace

void StartCalculator()
{
    RestorePristineState();
    HINSTANCE instance = GetModuleHandleA(NULL);
    LoadClassName(instance);
    RegisterMainWindowClass(instance);
    ASSERT_EQ(CreateMainWindow(instance, SW_SHOWNORMAL), 1);
    PumpMessages();
}

void StopCalculator()
{
    if (IsWindow(g_mainWindow))
        DestroyWindow(g_mainWindow);
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            DispatchMessageA(&message);
    }
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            break;
        HandleLoopMessage(&message, Accelerators());
    }
}

void TypeChars(const std::string& chars)
{
    for (char c : chars)
        SendMessageA(g_mainWindow, WM_CHAR, (unsigned char)c, 1);
}

void PressKey(WPARAM virtualKey)
{
    SendMessageA(g_mainWindow, WM_KEYDOWN, virtualKey, 1);
}

void SendCommand(int command)
{
    SendMessageA(g_mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

int SelectCommand(RowIndex row)
{
    const int commands[ROW_COUNT] = {CMD_SELECT_HEX, CMD_SELECT_DEC, CMD_SELECT_BIN};
    return commands[row];
}

int ViewCommand(RowIndex row)
{
    const int commands[ROW_COUNT] = {CMD_VIEW_HEX, CMD_VIEW_DEC, CMD_VIEW_BIN};
    return commands[row];
}

// Hides rows only after the wanted ones are shown, so one row always stays.
void ShowRows(bool hex, bool dec, bool bin)
{
    const bool wanted[ROW_COUNT] = {hex, dec, bin};
    for (int pass = 0; pass < 2; pass++) {
        for (int i = 0; i < ROW_COUNT; i++) {
            RowIndex row = (RowIndex)i;
            bool show = pass == 0;
            if (wanted[row] == show && IsRowVisible(row) != show)
                SendCommand(ViewCommand(row));
        }
    }
}

void ClickAt(int x, int y)
{
    SendMessageA(g_mainWindow, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void PressThroughLoop(WPARAM virtualKey, Modifier modifier)
{
    BYTE keys[256] = {};
    if (modifier == CTRL)
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (modifier == ALT)
        keys[VK_MENU] = keys[VK_LMENU] = 0x80;
    SetKeyboardState(keys);
    UINT down = modifier == ALT ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = modifier == ALT ? WM_SYSKEYUP : WM_KEYUP;
    LPARAM altBit = modifier == ALT ? (1 << 29) : 0;
    UINT scan = MapVirtualKeyA((UINT)virtualKey, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | ((LPARAM)scan << 16) | altBit;
    PostMessageA(g_mainWindow, down, virtualKey, lParam);
    PumpMessages();
    PostMessageA(g_mainWindow, up, virtualKey, lParam | (3u << 30));
    PumpMessages();
    memset(keys, 0, sizeof keys);
    SetKeyboardState(keys);
}

std::string StatusText(int part)
{
    char text[256] = "";
    if (g_statusBar != NULL)
        SendMessageA(g_statusBar, SB_GETTEXTA, part, (LPARAM)text);
    return text;
}

int StatusPartCount()
{
    return g_statusBar == NULL ? 0 : (int)SendMessageA(g_statusBar, SB_GETPARTS, 0, 0);
}

UINT MenuState(int command)
{
    return GetMenuState(GetMenu(g_mainWindow), command, MF_BYCOMMAND);
}

SIZE OuterSize()
{
    RECT rect;
    GetWindowRect(g_mainWindow, &rect);
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

POINT OuterPosition()
{
    RECT rect;
    GetWindowRect(g_mainWindow, &rect);
    POINT point = {rect.left, rect.top};
    return point;
}

bool RepaintPending()
{
    return GetUpdateRect(g_mainWindow, NULL, FALSE) != 0;
}

void ValidateMainWindow()
{
    ValidateRect(g_mainWindow, NULL);
}
