// What the About, Help and History windows do alike about their scale:
// they open at the main window's DPI, rescale themselves when they move to
// a screen of another, and drop their records as they go.
#pragma once

#include <windows.h>

// Called after a dialog's controls took the font of a new DPI (fontChanged
// set) or once before the dialog is first fitted, for the controls a
// dialog keeps of its own (the About box's links and pictures).
typedef void (*RefitHook)(HWND dialog, bool fontChanged);

// WM_INITDIALOG: records the dialog's scale and layout and fits it to its
// texts; where the dialog manager made it at another DPI than the main
// window's, it is laid out for the main window's at once.
void StartScaledDialog(HWND dialog, int templateId, RefitHook hook);
// WM_DPICHANGED, WM_REFIT_DIALOG and WM_NCDESTROY; FALSE for every other
// message.
INT_PTR HandleScaledDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                  RefitHook hook);
