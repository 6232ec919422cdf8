#include "display/layout.h"

#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_fit.h"

namespace {

// The longest text of each row at each data width, in the order of
// DataWidths: at 64 bits Bin has 64 digits and 15 separators, Dec a sign,
// 19 digits, 6 separators and a spare cell, Hex 16 digits and 3 separators.
struct FieldWidths {
    int hex, dec, bin;
};
const FieldWidths FIELD_WIDTHS[DATA_WIDTH_COUNT] = {
    {19, 27, 79}, {9, 15, 39}, {4, 8, 19}, {2, 5, 9}};

const FieldWidths& FieldWidthsAtDataWidth()
{
    for (int i = 0; i < DATA_WIDTH_COUNT; i++)
        if (DataWidths[i] == g_calc.dataWidth)
            return FIELD_WIDTHS[i];
    return FIELD_WIDTHS[0];
}

// The smallest field that holds the longest text of every visible row at
// the data width; 0 when no row is visible.
int FieldWidthForVisibleRows()
{
    const FieldWidths& widths = FieldWidthsAtDataWidth();
    if (IsRowVisible(ROW_BIN)) return widths.bin;
    if (IsRowVisible(ROW_DEC)) return widths.dec;
    if (IsRowVisible(ROW_HEX)) return widths.hex;
    return 0;
}

// The client width the menu bar needs to stay on one line: its items side
// by side. 0 while the menu has not been laid out yet.
int MenuBarWidth()
{
    HMENU menu = GetMenu(g_mainWindow);
    int width = 0;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        RECT item = {};
        GetMenuItemRect(g_mainWindow, menu, i, &item);
        width += item.right - item.left;
    }
    return width;
}

// Client size the visible rows need, before any frame; the status bar's
// texts may need a wider window than the rows (the hexadecimal row alone),
// and so may the menu bar (a narrow data width).
SIZE ClientSize()
{
    const LayoutMetrics& m = g_metrics;
    SIZE size = {m.valueX + g_highlightWidth + m.highlightMargin,
                 m.bottomMargin + m.rowHeight * VisibleRowCount()};
    int statusWidth = IsStatusBarShown() ? StatusTextsWidth() : 0;
    if (statusWidth > size.cx)
        size.cx = statusWidth;
    int menuWidth = MenuBarWidth();
    if (menuWidth > size.cx)
        size.cx = menuWidth;
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
// The menu bar is laid out anew at the new DPI before it is measured: its
// items still have their sizes of the old DPI until then.
void ScaleMainWindow(HWND window, int dpi, const RECT* suggested)
{
    g_mainWindow = window;
    UpdateLayoutMetrics(dpi);
    ScaleStatusBar();
    DrawMenuBar(window);
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
