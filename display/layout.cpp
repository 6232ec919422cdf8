#include "display/layout.h"

#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_fit.h"

namespace {

const int FIELD_WIDTH_BIN = 79;   // 64 digits and 15 separators
const int FIELD_WIDTH_DEC = 27;   // sign, 19 digits, 6 separators and a spare cell
const int FIELD_WIDTH_HEX = 19;   // 16 digits and 3 separators

// The smallest field that holds the longest text of every visible row; 0
// when no row is visible.
int FieldWidthForVisibleRows()
{
    if (IsRowVisible(ROW_BIN)) return FIELD_WIDTH_BIN;
    if (IsRowVisible(ROW_DEC)) return FIELD_WIDTH_DEC;
    if (IsRowVisible(ROW_HEX)) return FIELD_WIDTH_HEX;
    return 0;
}

// Client size the visible rows need, before any frame; the status bar's
// texts may need a wider window than the rows (the hexadecimal row alone).
SIZE ClientSize()
{
    const LayoutMetrics& m = g_metrics;
    SIZE size = {m.valueX + g_highlightWidth + m.highlightMargin,
                 m.bottomMargin + m.rowHeight * VisibleRowCount()};
    int statusWidth = IsStatusBarShown() ? StatusTextsWidth() : 0;
    if (statusWidth > size.cx)
        size.cx = statusWidth;
    return size;
}

// Recomputes the field and highlight widths and returns the window's outer
// size. The frame is computed for the overlapped style with its sizing
// border, although the window has none: the surplus lands in the client
// area as a margin at the right and the bottom.
SIZE LayOutVisibleRows()
{
    int fieldWidth = FieldWidthForVisibleRows();
    if (fieldWidth != 0)
        SetFieldWidth(fieldWidth);
    g_highlightWidth = FieldWidth() * g_metrics.cellWidth + g_metrics.highlightMargin;

    SIZE client = ClientSize();
    RECT frame = {0, 0, client.cx, client.cy};
    AdjustFrameForDpi(&frame);
    SIZE outer = {frame.right - frame.left, frame.bottom - frame.top};
    if (IsStatusBarShown())
        outer.cy += g_statusBarHeight;
    return outer;
}

} // namespace

HWND g_mainWindow = NULL;
int g_highlightWidth = 0;

void SizeMainWindow(HWND window)
{
    g_mainWindow = window;
    SIZE outer = LayOutVisibleRows();
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT& normal = placement.rcNormalPosition;
    normal.right = normal.left + outer.cx;
    normal.bottom = normal.top + outer.cy;
    SetWindowPlacement(window, &placement);
}

// One move to the suggested place, in the new size, without activating the
// window: a placement's show command could activate it.
void ScaleMainWindow(HWND window, int dpi, const RECT* suggested)
{
    g_mainWindow = window;
    UpdateLayoutMetrics(dpi);
    ScaleStatusBar();
    SIZE outer = LayOutVisibleRows();
    SetWindowPos(window, NULL, suggested->left, suggested->top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RowBand BandOfRow(RowIndex row)
{
    RowBand band = RowBandAt(VisibleRowNumber(row) - 1, VisibleRowCount());
    int statusBarTop = StatusBarTop();
    if (band.bottom > statusBarTop)
        band.bottom = statusBarTop;
    return band;
}

RowIndex RowAtY(int y)
{
    RowIndex row = ROW_HEX;
    FindVisibleRow(BandAtY(y, VisibleRowCount()), &row);
    return row;
}

int StatusBarTop()
{
    RECT client;
    GetClientRect(g_mainWindow, &client);
    return client.bottom - (IsStatusBarShown() ? g_statusBarHeight : 0);
}
