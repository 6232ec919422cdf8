#include "dialogs/reference_windows.h"

#include "dialogs/dialog_fit.h"
#include "display/layout.h"
#include "resources/resource.h"

namespace {

// An open window is left as it is: neither moved, activated nor raised.
void ShowReferenceWindow(HWND& handle, HINSTANCE instance, int templateId, DLGPROC procedure)
{
    if (IsWindow(handle))
        return;
    handle = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), g_mainWindow, procedure, 0);
    if (handle != NULL)
        ShowWindow(handle, SW_SHOWNORMAL);
}

// OK, Enter, Esc and the close button all close the window.
INT_PTR CloseOnOkOrCancel(HWND& handle, HWND dialog, WPARAM wParam)
{
    if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
        return FALSE;
    DestroyWindow(dialog);
    handle = NULL;
    return TRUE;
}

// The controls are fitted to their texts when the window is made, and
// again after Windows rescaled them for a new DPI.
INT_PTR HandleReferenceMessage(HWND& handle, HWND dialog, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG: FitDialogToTexts(dialog); return TRUE;
    case WM_COMMAND: return CloseOnOkOrCancel(handle, dialog, wParam);
    case WM_DPICHANGED: PostMessageA(dialog, WM_REFIT_DIALOG, 0, 0); return FALSE;
    case WM_REFIT_DIALOG: RefitDialogToTexts(dialog); return TRUE;
    case WM_NCDESTROY: ForgetDialogLayout(dialog); return FALSE;
    }
    return FALSE;
}

} // namespace

HWND g_helpWindow = NULL;
HWND g_historyWindow = NULL;

void ShowHelpWindow(HINSTANCE instance)
{
    ShowReferenceWindow(g_helpWindow, instance, IDD_HELP, HelpDialogProc);
}

void ShowHistoryWindow(HINSTANCE instance)
{
    ShowReferenceWindow(g_historyWindow, instance, IDD_HISTORY, HistoryDialogProc);
}

INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return HandleReferenceMessage(g_helpWindow, dialog, message, wParam);
}

INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return HandleReferenceMessage(g_historyWindow, dialog, message, wParam);
}
