// The three display rows: which are visible, how Tab and the arrows walk
// them, and which one is active.
#pragma once

#include <stdint.h>

#include "engine/calc_state.h"

struct DisplayRow {
    const char* label;
    RowIndex next;
    RowIndex previous;
    uint8_t visible;
};

// Written only by ToggleRowVisibility and RestoreRows; everybody else reads
// the flags.
extern DisplayRow g_displayRows[ROW_COUNT];

bool IsRowVisible(RowIndex row);
int VisibleRowCount();
// The visible row at a position from the top (0 first); false when fewer
// rows are visible.
bool FindVisibleRow(int position, RowIndex* row);
// The row's number among the visible rows, 1 for the top one (its child id
// for screen readers).
int VisibleRowNumber(RowIndex row);

void SelectRow(RowIndex row);
RowIndex NextVisibleRow(RowIndex row);
RowIndex PreviousVisibleRow(RowIndex row);
void HandleNavigationKey(unsigned key);
void SelectRowAtY(int y);
void ToggleRowVisibility(RowIndex row);
// The visible rows as bits: bit 0 Hex, bit 1 Dec, bit 2 Bin.
uint32_t VisibleRowBits();
// At start, before the window exists (no refresh, no sizing): shows the
// rows of the bits, all three for 0 or bits above the three, and makes the
// row active, or the top visible row where it is hidden.
void RestoreRows(uint32_t visibleBits, RowIndex activeRow);
// Sets the data width the rows show and sizes the window for it; the width
// already set changes nothing.
void ChooseDataWidth(int32_t width);
// Shows the decimal row unsigned, or signed again; hidden or not.
void ToggleUnsignedDecimal();
