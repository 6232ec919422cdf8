#include "dialogs/scaled_dialog.h"

#include "dialogs/dialog_fit.h"
#include "dialogs/dialog_scale.h"
#include "display/metrics.h"

namespace {

// The controls take the font of the dialog's DPI, the dialog is fitted
// again, and the whole of it is drawn anew: a static control keeps its old
// pixels where it only moved, and repaints only what it gained where it
// grew.
void RefitScaledDialog(HWND dialog, RefitHook hook)
{
    bool fontChanged = UpdateDialogFont(dialog);
    if (hook != NULL)
        hook(dialog, fontChanged);
    RefitDialogToTexts(dialog);
    RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Runs once the controls are gone.
void ForgetScaledDialog(HWND dialog)
{
    ForgetDialogLayout(dialog);
    ForgetDialogScale(dialog);
}

} // namespace

void StartScaledDialog(HWND dialog, int templateId, RefitHook hook)
{
    RecordDialogScale(dialog, templateId, g_metrics.dpi);
    if (hook != NULL)
        hook(dialog, false);
    FitDialogToTexts(dialog);
    if (DialogDpi(dialog) != g_metrics.dpi)
        RefitScaledDialog(dialog, hook);
}

INT_PTR HandleScaledDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                  RefitHook hook)
{
    switch (message) {
    case WM_DPICHANGED: HandleDialogDpiChange(dialog, wParam, lParam); return TRUE;
    case WM_REFIT_DIALOG: RefitScaledDialog(dialog, hook); return TRUE;
    case WM_NCDESTROY: ForgetScaledDialog(dialog); return FALSE;
    }
    return FALSE;
}
