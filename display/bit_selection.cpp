#include "display/bit_selection.h"

#include "display/bit_pad.h"
#include "display/metrics.h"
#include "engine/bit_field.h"
#include "engine/calc_state.h"

namespace {

const BitSelection NO_SELECTION = {-1, -1, -1};

// A field is at least two bits: two ends that meet select nothing.
void SelectField(int from, int to)
{
    bool field = from != to;
    g_bitSelection.top = field ? (from > to ? from : to) : -1;
    g_bitSelection.bottom = field ? (from > to ? to : from) : -1;
}

} // namespace

BitSelection g_bitSelection = NO_SELECTION;

bool HasBitField()
{
    return g_bitSelection.top >= 0;
}

bool IsBitInField(int bit)
{
    return HasBitField() && bit <= g_bitSelection.top && bit >= g_bitSelection.bottom;
}

uint64_t BitFieldMask()
{
    return HasBitField() ? FieldMask(g_bitSelection.top, g_bitSelection.bottom) : 0;
}

void SelectDraggedField(int pressed, int current)
{
    g_bitSelection.anchor = -1;
    SelectField(pressed, current);
}

void ExtendFieldWithCursor(int from, int to)
{
    if (g_bitSelection.anchor < 0)
        g_bitSelection.anchor = from;
    SelectField(g_bitSelection.anchor, to);
}

void DeselectBitField()
{
    g_bitSelection = NO_SELECTION;
}

void FitBitFieldToWidth()
{
    int top = g_calc.dataWidth - 1;
    if (g_bitSelection.anchor > top)
        g_bitSelection.anchor = top;
    if (g_bitSelection.top > top)
        SelectField(top, g_bitSelection.bottom < top ? g_bitSelection.bottom : top);
}

void PaintBitField(HDC dc, int y, const char* text)
{
    if (!HasBitField())
        return;
    int first = ColumnOfBit(g_bitSelection.top);
    int count = ColumnOfBit(g_bitSelection.bottom) - first + 1;
    int left = g_metrics.valueX + first * g_metrics.cellWidth;
    RECT cells = {left, y, left + count * g_metrics.cellWidth, y + g_metrics.fontHeight};
    COLORREF textColour = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    COLORREF back = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    ExtTextOutA(dc, left, y, ETO_OPAQUE, &cells, text + first, (UINT)count, NULL);
    SetTextColor(dc, textColour);
    SetBkColor(dc, back);
}
