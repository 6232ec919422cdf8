// The per-dialog records that the fitting and the scale keep: a small table
// for each, looked up by the dialog's window.
#pragma once

#include <windows.h>

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
