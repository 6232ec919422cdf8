#include "statusbar/bit_hover.h"

#include <commctrl.h>
#include <stdint.h>

#include "display/bit_pad.h"
#include "display/layout.h"
#include "display/rows.h"
#include "engine/calc_state.h"
#include "statusbar/status_bar.h"

namespace {

const UINT HOVER_INTERVAL_MS = 100;
// A point outside the client area: the mouse left the window.
const int OUTSIDE = -1;

// The binary row draws this many digits: 1 for 0 and 1, 64 with bit 63 set.
int SignificantBits(uint64_t value)
{
    int count = 1;
    while (value >>= 1)
        count++;
    return count;
}

// The active Bin row names every bit a click would flip, blank cells
// included; another row names the drawn digits only.
int NamedBits()
{
    return g_calc.activeRow == ROW_BIN ? g_calc.dataWidth : SignificantBits(ShownValue());
}

// The main window gets no mouse moves from outside its client area, so a
// timer watches for the cursor leaving the window.
void StartHoverTimer()
{
    if (g_hoverTimerActive)
        return;
    SetTimer(g_mainWindow, HOVER_TIMER_ID, HOVER_INTERVAL_MS, HoverTimerProc);
    g_hoverTimerActive = true;
}

} // namespace

bool g_hoverTimerActive = false;
POINT g_hoverPoint = {OUTSIDE, OUTSIDE};

// In the binary row's band the readout follows the mouse; elsewhere it
// names the bit cursor's bit while the cursor shows.
void UpdateBitHover(int x, int y)
{
    g_hoverPoint = {x, y};
    char text[100] = " ";
    if (!IsStatusBarShown() || !IsRowVisible(ROW_BIN))
        return;
    int bit = g_bitPad.cursorShown ? g_bitPad.cursor : -1;
    if (IsInBitBand(y)) {
        bit = BitAtX(x);
        if (bit >= NamedBits())
            bit = -1;
        StartHoverTimer();
    }
    if (bit >= 0)
        FormatBitReadout(bit, text, sizeof text);
    SendMessageA(g_statusBar, SB_SETTEXTA, STATUS_PART_BIT, (LPARAM)text);
}

void RereadBitHover()
{
    UpdateBitHover(g_hoverPoint.x, g_hoverPoint.y);
}

void ClearBitHover()
{
    UpdateBitHover(OUTSIDE, OUTSIDE);
}

void CALLBACK HoverTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    POINT cursor;
    RECT window;
    GetCursorPos(&cursor);
    GetWindowRect(g_mainWindow, &window);
    bool inside = cursor.x >= window.left && cursor.x <= window.right &&
                  cursor.y >= window.top && cursor.y <= window.bottom;
    if (inside)
        return;
    ClearBitHover();
    KillTimer(g_mainWindow, HOVER_TIMER_ID);
    g_hoverTimerActive = false;
}
