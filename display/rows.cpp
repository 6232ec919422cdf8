#include "display/rows.h"

#include "app/main_window.h"
#include "display/bit_pad.h"
#include "display/bit_selection.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "display/menu_state.h"
#include "statusbar/bit_hover.h"

namespace {

const unsigned KEY_TAB = 9;
const unsigned KEY_UP = 38;
const unsigned KEY_DOWN = 40;
const uint32_t ALL_ROW_BITS = 7;

} // namespace

DisplayRow g_displayRows[ROW_COUNT] = {
    {"Hex:", ROW_DEC, ROW_BIN, 1},
    {"Dec:", ROW_BIN, ROW_HEX, 1},
    {"Bin:", ROW_HEX, ROW_DEC, 1},
};

bool IsRowVisible(RowIndex row)
{
    return g_displayRows[row].visible != 0;
}

int VisibleRowCount()
{
    return IsRowVisible(ROW_HEX) + IsRowVisible(ROW_DEC) + IsRowVisible(ROW_BIN);
}

bool FindVisibleRow(int position, RowIndex* row)
{
    for (int i = 0; i < ROW_COUNT; i++) {
        if (IsRowVisible((RowIndex)i) && position-- == 0) {
            *row = (RowIndex)i;
            return true;
        }
    }
    return false;
}

int VisibleRowNumber(RowIndex row)
{
    int number = 0;
    for (int i = 0; i <= row; i++)
        number += IsRowVisible((RowIndex)i);
    return number;
}

// The Bin row becoming or ceasing to be the active row changes what the
// bit readout names, and a row leaving hides the bit cursor.
void SelectRow(RowIndex row)
{
    if (!IsRowVisible(row))
        return;
    bool padChanges = (row == ROW_BIN) != (g_calc.activeRow == ROW_BIN);
    SetActiveRow(row);
    if (padChanges) {
        HideBitCursor();
        RereadBitHover();
    }
    Refresh();
}

RowIndex NextVisibleRow(RowIndex row)
{
    RowIndex r = g_displayRows[row].next;
    while (!IsRowVisible(r) && r != row)
        r = g_displayRows[r].next;
    return r;
}

RowIndex PreviousVisibleRow(RowIndex row)
{
    RowIndex r = g_displayRows[row].previous;
    while (!IsRowVisible(r) && r != row)
        r = g_displayRows[r].previous;
    return r;
}

void HandleNavigationKey(unsigned key)
{
    switch (key & 0xFF) {
    case KEY_TAB:
    case KEY_DOWN: SelectRow(NextVisibleRow(g_calc.activeRow)); break;
    case KEY_UP: SelectRow(PreviousVisibleRow(g_calc.activeRow)); break;
    default: break;
    }
}

// Band k holds the k-th painted row; x plays no part. The client area can
// reach below the last painted row (the frame's sizing border makes it a
// little taller), and a click there belongs to the last row, not to a band
// that would wrap round to the top.
void SelectRowAtY(int y)
{
    SelectRow(RowAtY(y));
}

// The only visible row stays visible, whoever asks: the walks and the
// layout need one row to stand on.
void ToggleRowVisibility(RowIndex row)
{
    if (IsRowVisible(row) && VisibleRowCount() == 1)
        return;
    g_displayRows[row].visible = !g_displayRows[row].visible;
    if (!IsRowVisible(ROW_BIN))
        DeselectBitField();
    if (!IsRowVisible(g_calc.activeRow))
        SelectRow(NextVisibleRow(g_calc.activeRow));
    SizeMainWindow(g_mainWindow);
    UpdateMenuState();
}

uint32_t VisibleRowBits()
{
    uint32_t bits = 0;
    for (int i = 0; i < ROW_COUNT; i++)
        bits |= (uint32_t)IsRowVisible((RowIndex)i) << i;
    return bits;
}

void RestoreRows(uint32_t visibleBits, RowIndex activeRow)
{
    if (visibleBits == 0 || visibleBits > ALL_ROW_BITS)
        visibleBits = ALL_ROW_BITS;
    for (int i = 0; i < ROW_COUNT; i++)
        g_displayRows[i].visible = (visibleBits >> i) & 1;
    if (!IsRowVisible(activeRow))
        FindVisibleRow(0, &activeRow);
    SetActiveRow(activeRow);
}

void ChooseDataWidth(int32_t width)
{
    if (width == g_calc.dataWidth)
        return;
    SetDataWidth(width);
    FitBitPadToWidth();
    SizeMainWindow(g_mainWindow);
    UpdateMenuState();
    RereadBitHover();
}

void ToggleUnsignedDecimal()
{
    SetUnsignedDecimal(!g_calc.unsignedDecimal);
    UpdateMenuState();
}
