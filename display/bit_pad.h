// The Bin row as a pad of bits while it is the active row: a press and
// release on one bit flip it, Left and Right move a bit cursor, Space flips
// the bit at the cursor. Its cells are the bit readout's: every cell of the
// row's field within the data width that is no group separator, blank or
// not. While another row is active, a click only selects, as always.
#pragma once

#include <windows.h>

struct BitPad {
    int cursor;            // the cursor's bit, kept while it is hidden
    bool cursorShown;      // shown only in the active Bin row
    int pressedBit;        // the bit a left-button press went down on; -1 none,
                           // PRESS_OFF_BIT a press in the row's band on no bit
    bool activatingClick;  // the next press brings the window to the front
    bool dragging;         // the held press has reached a second bit
};

const int PRESS_OFF_BIT = -2;

// Written only here; the painting, the readout and readers read it.
extern BitPad g_bitPad;

// The bit of the Bin row's cell at a client x (the few pixels left of the
// field count as the top bit); -1 over a separator or past the field.
int BitAtX(int x);
// True for a client y in the band where the Bin row's bits are read and
// clicked.
bool IsInBitBand(int y);

// WM_MOUSEACTIVATE: the left press it precedes, in the main window's own
// client area, flips nothing. An activation through the status bar, or by
// another button, marks nothing.
void NoteActivatingClick(LPARAM lParam);
// A left press: the mouse is captured until its release.
void PressBitCell(int x, int y);
// While the button is held after a press on a bit, the field runs from
// that bit to the bit under the mouse, once the mouse has reached another.
void DragBitField(int x, int y);
// Flips the bit a press went down on and the release comes up on, in the
// active Bin row, and a click there on no bit deselects the field; any
// other release over the rows selects the row under it, as a click always
// has. A release that ends a drag, or one outside the window, does nothing.
void ReleaseClick(int x, int y);
// WM_CAPTURECHANGED: another window took the mouse, so the press is lost
// and the readout no longer follows it; the pad's own release is no loss.
void LoseMouseCapture();
// Left (toward the top bit, step 1) and Right (toward bit 0, step -1) in
// the active Bin row: the hidden cursor shows where it last stood, a shown
// one moves, stopping at both ends. Without Shift the field goes; with it
// the field runs from where the selection began to the moved cursor.
// False in another row.
bool MoveBitCursor(int step, bool extend);
// Space in the active Bin row: flips the field's bits, or without a field
// the bit at the cursor; false where it does nothing.
bool FlipSelectedBits();
// Delete in the active Bin row: clears the field's bits; false without a
// field.
bool ClearFieldBits();
// The Bin row stops being the pad: the cursor hides where it stands.
void HideBitCursor();
// A narrower width brings the cursor and the field down to its top bit.
void FitBitPadToWidth();
// The cursor's cell of the Bin row's text, in client pixels.
RECT BitCursorCell();
// A focus rectangle around the cursor's cell, while the cursor shows and
// the window has the keyboard focus.
void PaintBitCursor(HDC dc);
// The field's column of the Bin row's text, from the left, that holds a
// bit.
int ColumnOfBit(int bit);
