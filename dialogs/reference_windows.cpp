#include "dialogs/reference_windows.h"

#include "dialogs/dialog_font.h"
#include "dialogs/scaled_dialog.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "resources/resource.h"

namespace {

// An open window is left as it is: neither moved, activated nor raised.
void ShowReferenceWindow(HWND& handle, HINSTANCE instance, int templateId, DLGPROC procedure)
{
    if (IsWindow(handle))
        return;
    handle = CreateDialogIndirectParamA(instance, DialogTemplateAt(instance, templateId, g_metrics.dpi),
                                        g_mainWindow, procedure, 0);
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

INT_PTR HandleReferenceMessage(HWND& handle, HWND dialog, UINT message, WPARAM wParam,
                               LPARAM lParam, int templateId)
{
    switch (message) {
    case WM_INITDIALOG: StartScaledDialog(dialog, templateId, NULL); return TRUE;
    case WM_COMMAND: return CloseOnOkOrCancel(handle, dialog, wParam);
    }
    return HandleScaledDialogMessage(dialog, message, wParam, lParam, NULL);
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

INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleReferenceMessage(g_helpWindow, dialog, message, wParam, lParam, IDD_HELP);
}

INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleReferenceMessage(g_historyWindow, dialog, message, wParam, lParam, IDD_HISTORY);
}
