// A dialog at its DPI: the font of its template at that DPI, its dialog
// units in that font, and a change of scale carried out by the program
// itself (Windows would rescale the template's font, Wine nothing).
#pragma once

#include <windows.h>

// Posted by a dialog to itself when its DPI changed, so that it is laid out
// anew once the change is done.
const UINT WM_REFIT_DIALOG = WM_APP + 1;

// Starts keeping the scale of a dialog just made from its template, to be
// laid out for the DPI given: the dialog manager may have made it at
// another.
void RecordDialogScale(HWND dialog, int templateId, int dpi);
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
// Drops the record of a dialog being destroyed, and the font made for it.
void ForgetDialogScale(HWND dialog);
