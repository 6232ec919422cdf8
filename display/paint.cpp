#include <windows.h>

#include <string.h>

#include "display/bit_pad.h"
#include "display/bit_selection.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "display/row_text.h"
#include "display/rows.h"
#include "engine/format.h"

namespace {

// The user's colours: text in the window text colour on the window colour,
// the highlight framed in the text colour and filled with the window
// colour. The default scheme gives black on white.
void UseWindowColours(HDC dc)
{
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    SetTextColor(dc, text);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, text);
    SelectObject(dc, GetSysColorBrush(COLOR_WINDOW));
}

} // namespace

// Draws every visible row anew, top to bottom in the order Hex, Dec, Bin.
void PaintRows(HDC dc)
{
    const LayoutMetrics& m = g_metrics;
    SelectObject(dc, RowFont());
    UseWindowColours(dc);
    int position = 0;
    char text[FORMAT_BUFFER_SIZE];
    for (int i = 0; i < ROW_COUNT; i++) {
        RowIndex row = (RowIndex)i;
        if (!IsRowVisible(row))
            continue;
        int y = RowBandAt(position++, VisibleRowCount()).textY;
        if (row == g_calc.activeRow)
            Rectangle(dc, m.valueX - m.highlightLeft, y - m.highlightTop,
                      m.valueX + g_highlightWidth, y + m.highlightBottom);
        const char* label = g_displayRows[row].label;
        TextOutA(dc, m.labelX, y, label, (int)strlen(label));
        FormatRowText(row, true, text);
        TextOutA(dc, m.valueX, y, text, (int)strlen(text));
        if (row == ROW_BIN) {
            PaintBitField(dc, y, text);
            PaintBitCursor(dc);
        }
    }
}
