#include "display/bit_pad.h"

#include "app/main_window.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "engine/operators.h"
#include "statusbar/bit_hover.h"

namespace {

// The binary row groups its digits in fours, a separator between groups.
const int GROUP_CELLS = 5;

// The active row is always a visible one.
bool IsPadActive()
{
    return g_calc.activeRow == ROW_BIN;
}

// The bit a click at a client point of the active Bin row would flip; -1
// where none.
int BitAtPoint(int x, int y)
{
    if (!IsInBitBand(y))
        return -1;
    int bit = BitAtX(x);
    return bit < g_calc.dataWidth ? bit : -1;
}

// The field's column, from its left, that holds a bit: bit b stands b
// cells and b/4 separators from the row's right end.
int ColumnOfBit(int bit)
{
    return FieldWidth() - 1 - (bit + bit / (GROUP_CELLS - 1));
}

// Set while the pad lets go of the mouse itself: the capture change that
// follows loses nothing.
bool g_releasingCapture = false;

bool IsInClientArea(int x, int y)
{
    RECT client;
    GetClientRect(g_mainWindow, &client);
    POINT point = {x, y};
    return PtInRect(&client, point) != 0;
}

// Whether the mouse stands over the rows: the status bar passes its own
// activation up to the main window, and that press goes to the bar.
bool IsMouseOverRows()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(g_mainWindow, &point);
    return IsInClientArea(point.x, point.y) && point.y < StatusBarTop();
}

void ReleaseOwnCapture()
{
    g_releasingCapture = true;
    ReleaseCapture();
    g_releasingCapture = false;
}

} // namespace

BitPad g_bitPad = {0, false, -1, false};

// The row's text is right-aligned in the field: counted from its right end,
// every fifth cell is a separator and the others are bits 0 upward.
// Truncation toward zero puts the pixels left of the value into column 0.
int BitAtX(int x)
{
    int column = (x - g_metrics.valueX) / g_metrics.cellWidth;
    int fromRight = FieldWidth() - 1 - column;
    if (column < 0 || fromRight < 0 || fromRight % GROUP_CELLS == GROUP_CELLS - 1)
        return -1;
    return fromRight - fromRight / GROUP_CELLS;
}

// The band runs from a little above the binary row's text to the bottom of
// its highlight.
bool IsInBitBand(int y)
{
    int top = BandOfRow(ROW_BIN).textY - g_metrics.hoverTop;
    return y >= top && y <= top + g_metrics.hoverHeight;
}

void NoteActivatingClick(LPARAM lParam)
{
    g_bitPad.activatingClick =
        LOWORD(lParam) == HTCLIENT && HIWORD(lParam) == WM_LBUTTONDOWN && IsMouseOverRows();
}

void PressBitCell(int x, int y)
{
    g_bitPad.pressedBit = IsPadActive() && !g_bitPad.activatingClick ? BitAtPoint(x, y) : -1;
    g_bitPad.activatingClick = false;
    SetCapture(g_mainWindow);
}

// The release is read before the capture goes.
void ReleaseClick(int x, int y)
{
    int pressed = g_bitPad.pressedBit;
    g_bitPad.pressedBit = -1;
    if (pressed >= 0 && IsPadActive() && BitAtPoint(x, y) == pressed) {
        FlipShownBit(pressed);
        Refresh();
    } else if (IsInClientArea(x, y)) {
        SelectRowAtY(y);
    }
    ReleaseOwnCapture();
}

void LoseMouseCapture()
{
    if (g_releasingCapture)
        return;
    g_bitPad.pressedBit = -1;
    ClearBitHover();
}

bool MoveBitCursor(int step)
{
    if (!IsPadActive())
        return false;
    if (g_bitPad.cursorShown) {
        int bit = g_bitPad.cursor + step;
        if (bit >= 0 && bit < g_calc.dataWidth)
            g_bitPad.cursor = bit;
    }
    g_bitPad.cursorShown = true;
    RereadBitHover();
    return true;
}

bool FlipBitAtCursor()
{
    if (!g_bitPad.cursorShown)
        return false;
    FlipShownBit(g_bitPad.cursor);
    return true;
}

void HideBitCursor()
{
    g_bitPad.cursorShown = false;
}

void FitBitCursorToWidth()
{
    if (g_bitPad.cursor >= g_calc.dataWidth)
        g_bitPad.cursor = g_calc.dataWidth - 1;
}

RECT BitCursorCell()
{
    int left = g_metrics.valueX + ColumnOfBit(g_bitPad.cursor) * g_metrics.cellWidth;
    int top = BandOfRow(ROW_BIN).textY;
    return RECT{left, top, left + g_metrics.cellWidth, top + g_metrics.fontHeight};
}

void PaintBitCursor(HDC dc)
{
    if (!g_bitPad.cursorShown || GetFocus() != g_mainWindow)
        return;
    RECT cell = BitCursorCell();
    DrawFocusRect(dc, &cell);
}
