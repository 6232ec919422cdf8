#include "display/layout.h"

#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "statusbar/status_bar.h"

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

// Client size the visible rows need, before any frame.
SIZE RowsClientSize()
{
    const LayoutMetrics& m = g_metrics;
    SIZE size = {m.valueX + g_highlightWidth + m.highlightMargin,
                 m.bottomMargin + m.rowHeight * VisibleRowCount()};
    return size;
}

} // namespace

HWND g_mainWindow = NULL;
int g_highlightWidth = 0;

// The frame is computed for the overlapped style with its sizing border,
// although the window has none: the surplus lands in the client area as a
// margin at the right and the bottom.
void SizeMainWindow(HWND window)
{
    g_mainWindow = window;
    int fieldWidth = FieldWidthForVisibleRows();
    if (fieldWidth != 0)
        SetFieldWidth(fieldWidth);
    g_highlightWidth = FieldWidth() * g_metrics.cellWidth + g_metrics.highlightMargin;

    SIZE client = RowsClientSize();
    RECT frame = {0, 0, client.cx, client.cy};
    AdjustFrameForDpi(&frame);
    int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    if (g_statusBarVisible)
        outerHeight += g_statusBarHeight;

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT& normal = placement.rcNormalPosition;
    normal.right = normal.left + outerWidth;
    normal.bottom = normal.top + outerHeight;
    SetWindowPlacement(window, &placement);
}

void ScaleMainWindow(HWND window, int dpi)
{
    UpdateLayoutMetrics(dpi);
    ScaleStatusBar();
    SizeMainWindow(window);
}
