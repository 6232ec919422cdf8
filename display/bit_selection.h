// A field of bits selected in the Bin row, by a drag or by Shift with Left
// and Right: Space flips its bits, Delete clears them, the status bar
// reads its value. It stays while other rows are active and values come
// and go, so one field reads one register value after another.
#pragma once

#include <windows.h>

#include <stdint.h>

struct BitSelection {
    int top;     // the field's top bit; -1 while no field is selected
    int bottom;  // its bottom bit, below the top
    int anchor;  // where a Shift selection began; -1 while none goes on
};

// Written only here; the pad, the painting, the status bar and readers
// read it.
extern BitSelection g_bitSelection;

bool HasBitField();
bool IsBitInField(int bit);
uint64_t BitFieldMask();
// The field a drag makes between the pressed bit and the one under the
// mouse; it ends any Shift selection.
void SelectDraggedField(int pressed, int current);
// Shift with Left or Right moved the cursor from one bit to another: the
// field runs from the anchor (the first cursor bit of the selection) to
// the new one, and there is none while they meet.
void ExtendFieldWithCursor(int from, int to);
void DeselectBitField();
// Cuts the field and the anchor to the data width's top bit; a field of
// fewer than two bits goes.
void FitBitFieldToWidth();
// The field's cells of the Bin row's painted text at y, and the separators
// between them, in the selection colours.
void PaintBitField(HDC dc, int y, const char* text);
