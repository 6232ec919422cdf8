// Dialog controls that hold their texts in the font the system really gives
// the dialog: a template's rectangles are the least a control gets, never
// more than its text needs moves.
#pragma once

#include <windows.h>

// Records the layout of a dialog just made from its template, then fits
// its controls and its size to their texts.
void FitDialogToTexts(HWND dialog);
// The template's layout at the dialog's scale now (in the units of its
// font at its DPI), fitted again.
void RefitDialogToTexts(HWND dialog);
// A control's rectangle in its dialog's client coordinates.
RECT ChildRectInDialog(HWND dialog, HWND control);
// Drops the record of a dialog that is being destroyed.
void ForgetDialogLayout(HWND dialog);
