// The rows as screen readers see them: the main window's client object
// (a list whose items are the visible rows, then the status bar) and the
// events that tell a reader what changed.
#pragma once

#include <windows.h>

// The Bin row's bit cursor to a reader: a simple element of the list,
// outside its children and their navigation, known while the cursor shows.
const LONG BIT_CURSOR_CHILD = 1000;

// Answers WM_GETOBJECT: the client object for OBJID_CLIENT, the default
// processing for every other object.
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam);
// Cuts the object loose from the window that is going away; a reader still
// holding it then gets an error code from every call.
void DisconnectAccessibleRows();
// The client objects made and not yet let go by every holder.
LONG CountLiveAccessibleObjects();

// Takes the rows as they stand as already announced (at start-up).
void RecordAnnouncedRows();
// Announces what changed since the last announcement: the rows shown, each
// row's text, the status bar's texts, the active row.
void AnnounceRowChanges();
// Tells readers which row, or the bit cursor, has the focus (the main
// window got it).
void AnnounceFocusedRow();
