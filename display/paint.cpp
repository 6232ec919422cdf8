#include <string.h>

#include "display/layout.h"
#include "display/row_text.h"
#include "display/rows.h"
#include "engine/format.h"

// Draws every visible row anew, top to bottom in the order Hex, Dec, Bin,
// with the device context's default pen, brush and colours: the highlight
// is a black outline filled with white.
void PaintRows(HDC dc)
{
    SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    int y = FIRST_ROW_Y;
    char text[FORMAT_BUFFER_SIZE];
    for (int i = 0; i < ROW_COUNT; i++) {
        RowIndex row = (RowIndex)i;
        if (!IsRowVisible(row))
            continue;
        if (row == g_calc.activeRow)
            Rectangle(dc, VALUE_X - 2, y - 4, VALUE_X + g_highlightWidth, y + HIGHLIGHT_BOTTOM);
        const char* label = g_displayRows[row].label;
        TextOutA(dc, LABEL_X, y, label, (int)strlen(label));
        FormatRowText(row, true, text);
        TextOutA(dc, VALUE_X, y, text, (int)strlen(text));
        y += ROW_HEIGHT;
    }
}
