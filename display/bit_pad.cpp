#include "display/bit_pad.h"

#include "app/main_window.h"
#include "display/layout.h"
#include "display/bit_selection.h"
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

// A press and release on one bit of the active row flip it; a click there
// on no bit deselects the field; any click in the window selects the row
// under it.
void FinishClick(int pressed, int x, int y)
{
    int bit = BitAtPoint(x, y);
    if (pressed >= 0 && IsPadActive() && bit == pressed) {
        FlipShownBit(pressed);
        Refresh();
    } else if (IsInClientArea(x, y)) {
        if (pressed == PRESS_OFF_BIT && bit < 0 && IsInBitBand(y))
            DeselectBitField();
        SelectRowAtY(y);
    }
}

void ReleaseOwnCapture()
{
    g_releasingCapture = true;
    ReleaseCapture();
    g_releasingCapture = false;
}

} // namespace

BitPad g_bitPad = {0, false, -1, false, false};

// Bit b stands b cells and b/4 separators from the row's right end.
int ColumnOfBit(int bit)
{
    return FieldWidth() - 1 - (bit + bit / (GROUP_CELLS - 1));
}

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

// A press in the active row's band that is no activation counts: on a bit
// it may flip it or start a drag, on no bit it may deselect the field.
void PressBitCell(int x, int y)
{
    bool counts = IsPadActive() && !g_bitPad.activatingClick && IsInBitBand(y);
    int bit = BitAtPoint(x, y);
    g_bitPad.pressedBit = !counts ? -1 : bit >= 0 ? bit : PRESS_OFF_BIT;
    g_bitPad.activatingClick = false;
    SetCapture(g_mainWindow);
}

// Over no bit the field stays as it last stood.
void DragBitField(int x, int y)
{
    int pressed = g_bitPad.pressedBit, bit = BitAtPoint(x, y);
    if (pressed < 0 || bit < 0 || (bit == pressed && !g_bitPad.dragging))
        return;
    g_bitPad.dragging = true;
    SelectDraggedField(pressed, bit);
    Refresh();
}

// The release is read before the capture goes; one that ends a drag
// leaves the field as it stands.
void ReleaseClick(int x, int y)
{
    int pressed = g_bitPad.pressedBit;
    bool dragged = g_bitPad.dragging;
    g_bitPad.pressedBit = -1;
    g_bitPad.dragging = false;
    if (!dragged)
        FinishClick(pressed, x, y);
    ReleaseOwnCapture();
}

void LoseMouseCapture()
{
    if (g_releasingCapture)
        return;
    g_bitPad.pressedBit = -1;
    g_bitPad.dragging = false;
    ClearBitHover();
}

bool MoveBitCursor(int step, bool extend)
{
    if (!IsPadActive())
        return false;
    if (!extend)
        DeselectBitField();
    if (g_bitPad.cursorShown) {
        int from = g_bitPad.cursor, bit = from + step;
        if (bit >= 0 && bit < g_calc.dataWidth)
            g_bitPad.cursor = bit;
        if (extend)
            ExtendFieldWithCursor(from, g_bitPad.cursor);
    }
    g_bitPad.cursorShown = true;
    RereadBitHover();
    return true;
}

bool FlipSelectedBits()
{
    if (IsPadActive() && HasBitField())
        FlipShownBits(BitFieldMask());
    else if (g_bitPad.cursorShown)
        FlipShownBit(g_bitPad.cursor);
    else
        return false;
    return true;
}

bool ClearFieldBits()
{
    if (!IsPadActive() || !HasBitField())
        return false;
    ClearShownBits(BitFieldMask());
    return true;
}

void HideBitCursor()
{
    g_bitPad.cursorShown = false;
}

void FitBitPadToWidth()
{
    if (g_bitPad.cursor >= g_calc.dataWidth)
        g_bitPad.cursor = g_calc.dataWidth - 1;
    FitBitFieldToWidth();
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
