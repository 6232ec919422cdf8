// Dialog controls that hold their texts in the font the system really gives
// the dialog: a template's rectangles are the least a control gets, never
// more than its text needs moves.
#pragma once

#include <windows.h>

// Posted by a dialog to itself when its DPI changed, so that it is laid out
// anew once the change is done.
const UINT WM_REFIT_DIALOG = WM_APP + 1;

// Records the layout of a dialog just made from its template, then fits
// its controls and its size to their texts.
void FitDialogToTexts(HWND dialog, int templateId);
// The template's layout at the dialog's scale now (in the units of its
// font at its DPI), fitted again.
void RefitDialogToTexts(HWND dialog);
// A control's rectangle in its dialog's client coordinates.
RECT ChildRectInDialog(HWND dialog, HWND control);
// Drops the record of a dialog that is being destroyed.
void ForgetDialogLayout(HWND dialog);

// The About, Help and History windows can be open at once.
const int MAX_OPEN_DIALOGS = 3;

// The record of a dialog in a table of per-dialog records; with NULL, a
// free one (a dialog destroyed without being forgotten frees its record
// too).
template <typename Record>
Record* FindDialogRecord(Record (&records)[MAX_OPEN_DIALOGS], HWND dialog)
{
    for (Record& record : records)
        if (record.dialog == dialog || (dialog == NULL && !IsWindow(record.dialog)))
            return &record;
    return NULL;
}
