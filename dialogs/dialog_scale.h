// A dialog at its DPI: the font of its template at that DPI, its dialog
// units in that font, and a change of scale carried out by the program
// itself (Windows would rescale the template's font, Wine nothing).
#pragma once

#include <windows.h>

// Starts keeping the scale of a dialog just made from its template.
void RecordDialogScale(HWND dialog, int templateId);
// WM_DPICHANGED: the dialog moves to the place Windows suggests and is
// laid out for the new DPI once the message is done (WM_REFIT_DIALOG).
void HandleDialogDpiChange(HWND dialog, WPARAM wParam, LPARAM lParam);
// Gives the controls the font of the dialog's DPI where that changed;
// true when it did.
bool UpdateDialogFont(HWND dialog);
// Maps a rectangle from dialog units to pixels in the dialog's font now.
void MapDialogUnits(HWND dialog, RECT* rect);
// The DPI the dialog is laid out for.
int DialogDpi(HWND dialog);
// Moves a dialog that leaves its monitor's work area just enough to lie
// inside it.
void KeepDialogInWorkArea(HWND dialog);
// Drops the record of a dialog being destroyed, and the font made for it.
void ForgetDialogScale(HWND dialog);
