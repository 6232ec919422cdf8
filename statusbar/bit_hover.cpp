#include "statusbar/bit_hover.h"

#include <commctrl.h>
#include <stdint.h>

#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "statusbar/status_bar.h"

namespace {

const UINT HOVER_INTERVAL_MS = 100;
// The binary row groups its digits in fours, a separator between groups.
const int GROUP_CELLS = 5;

// The binary row draws this many digits: 1 for 0 and 1, 64 with bit 63 set.
int SignificantBits(uint64_t value)
{
    int count = 1;
    while (value >>= 1)
        count++;
    return count;
}

// The row's text is right-aligned in the field: counted from its right end,
// every fifth cell is a separator (-1) and the others are bits 0 upward.
int BitAtX(int x)
{
    // Truncation toward zero puts the cell left of the value into column 0
    // as well.
    int column = (x - g_metrics.valueX) / g_metrics.cellWidth;
    int fromRight = FieldWidth() - 1 - column;
    if (column < 0 || fromRight < 0 || fromRight % GROUP_CELLS == GROUP_CELLS - 1)
        return -1;
    return fromRight - fromRight / GROUP_CELLS;
}

// The band runs from a little above the binary row's text to the bottom of
// its highlight.
int BinaryBandTop()
{
    return BandOfRow(ROW_BIN).textY - g_metrics.hoverTop;
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
POINT g_hoverPoint = {0, 0};

void UpdateBitHover(int x, int y)
{
    g_hoverPoint = {x, y};
    char text[100] = " ";
    if (!IsStatusBarShown() || !IsRowVisible(ROW_BIN))
        return;
    int top = BinaryBandTop();
    if (y >= top && y <= top + g_metrics.hoverHeight) {
        int bit = BitAtX(x);
        if (bit >= 0 && bit < SignificantBits(ShownValue()))
            FormatBitReadout(bit, text, sizeof text);
        StartHoverTimer();
    }
    SendMessageA(g_statusBar, SB_SETTEXTA, STATUS_PART_BIT, (LPARAM)text);
}

void RereadBitHover()
{
    UpdateBitHover(g_hoverPoint.x, g_hoverPoint.y);
}

void ClearBitHover()
{
    UpdateBitHover(0, 0);
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
    UpdateBitHover(0, 0);
    KillTimer(g_mainWindow, HOVER_TIMER_ID);
    g_hoverTimerActive = false;
}
