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
    int pressedBit;        // the bit a left-button press went down on; -1 none
    bool activatingClick;  // the next press brings the window to the front
};

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
// Flips the bit a press went down on and the release comes up on, in the
// active Bin row; any other release over the rows selects the row under
// it, as a click always has. A release elsewhere does nothing.
void ReleaseClick(int x, int y);
// WM_CAPTURECHANGED: another window took the mouse, so the press is lost
// and the readout no longer follows it; the pad's own release is no loss.
void LoseMouseCapture();
// Left (toward the top bit, step 1) and Right (toward bit 0, step -1) in
// the active Bin row: the hidden cursor shows where it last stood, a shown
// one moves, stopping at both ends. False in another row.
bool MoveBitCursor(int step);
// Space: flips the bit at the cursor; false while no cursor shows.
bool FlipBitAtCursor();
// The Bin row stops being the pad: the cursor hides where it stands.
void HideBitCursor();
// A narrower width brings the cursor down to its top bit.
void FitBitCursorToWidth();
// The cursor's cell of the Bin row's text, in client pixels.
RECT BitCursorCell();
// A focus rectangle around the cursor's cell, while the cursor shows and
// the window has the keyboard focus.
void PaintBitCursor(HDC dc);
