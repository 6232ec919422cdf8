#include "dialogs/dialog_scale.h"

#include "app/system_dlls.h"
#include "dialogs/dialog_record.h"
#include "dialogs/dialog_font.h"
#include "display/metrics.h"

namespace {

// The text whose average width is a dialog font's horizontal base unit.
const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
const int ALPHABET_LENGTH = 52;

typedef BOOL(WINAPI* SetDialogDpiChangeBehaviorFunction)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS,
                                                         DIALOG_DPI_CHANGE_BEHAVIORS);

// A dialog's scale: the DPI it was made at and the one it is laid out for,
// its base units (4 horizontal and 8 vertical dialog units) in the font it
// uses now, and the font made for a DPI other than the first.
struct DialogScale {
    HWND dialog;
    DialogFont templateFont;
    int firstDpi;
    int dpi;
    int fontDpi;
    SIZE baseUnits;
    HFONT madeFont;
};

DialogScale g_scales[MAX_OPEN_DIALOGS];

// The base units of a font, measured as the dialog manager measures them.
SIZE BaseUnitsOf(HFONT font)
{
    HDC screen = GetDC(NULL);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SIZE alphabet = {};
    GetTextExtentPoint32A(screen, ALPHABET, ALPHABET_LENGTH, &alphabet);
    SelectObject(screen, previous);
    ReleaseDC(NULL, screen);
    SIZE units = {(alphabet.cx / (ALPHABET_LENGTH / 2) + 1) / 2, metrics.tmHeight};
    return units;
}

// Windows 10 would rescale the dialog with its template's font on a change
// of scale; the program does that itself.
void TurnOffSystemRescaling(HWND dialog)
{
    const SetDialogDpiChangeBehaviorFunction setBehaviour =
        LookUpSystemFunction<SetDialogDpiChangeBehaviorFunction>("user32.dll",
                                                                 "SetDialogDpiChangeBehavior");
    if (setBehaviour != NULL)
        setBehaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

void SetControlsFont(HWND dialog, HFONT font)
{
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT))
        SendMessageA(control, WM_SETFONT, (WPARAM)font, FALSE);
}

} // namespace

void RecordDialogScale(HWND dialog, int templateId, int dpi)
{
    DialogScale* scale = FindDialogRecord(g_scales, NULL);
    if (scale == NULL)
        return;
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    if (!ReadTemplateFont(instance, templateId, &scale->templateFont))
        return;
    scale->dialog = dialog;
    scale->firstDpi = scale->fontDpi = WindowDpi(dialog);
    scale->dpi = dpi;
    scale->baseUnits = BaseUnitsOf((HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0));
    scale->madeFont = NULL;
    TurnOffSystemRescaling(dialog);
}

void HandleDialogDpiChange(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    DialogScale* scale = FindDialogRecord(g_scales, dialog);
    if (scale != NULL && LOWORD(wParam) > 0)
        scale->dpi = LOWORD(wParam);
    const RECT* suggested = (const RECT*)lParam;
    if (suggested != NULL)
        SetWindowPos(dialog, NULL, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageA(dialog, WM_REFIT_DIALOG, 0, 0);
}

// Back at the first DPI the controls take the dialog's own font again; at
// any other a font is made for it. A font made before is deleted once no
// control uses it.
bool UpdateDialogFont(HWND dialog)
{
    DialogScale* scale = FindDialogRecord(g_scales, dialog);
    if (scale == NULL || scale->fontDpi == scale->dpi)
        return false;
    HFONT previous = scale->madeFont;
    scale->madeFont = scale->dpi == scale->firstDpi ? NULL
                                                    : MakeDialogFont(scale->templateFont, scale->dpi);
    HFONT font = scale->madeFont != NULL ? scale->madeFont
                                         : (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    SetControlsFont(dialog, font);
    if (previous != NULL)
        DeleteObject(previous);
    scale->baseUnits = BaseUnitsOf(font);
    scale->fontDpi = scale->dpi;
    return true;
}

void MapDialogUnits(HWND dialog, RECT* rect)
{
    const DialogScale* scale = FindDialogRecord(g_scales, dialog);
    if (scale == NULL || scale->fontDpi == scale->firstDpi) {
        MapDialogRect(dialog, rect);
        return;
    }
    SIZE units = scale->baseUnits;
    SetRect(rect, MulDiv(rect->left, units.cx, 4), MulDiv(rect->top, units.cy, 8),
            MulDiv(rect->right, units.cx, 4), MulDiv(rect->bottom, units.cy, 8));
}

int DialogDpi(HWND dialog)
{
    const DialogScale* scale = FindDialogRecord(g_scales, dialog);
    return scale != NULL ? scale->fontDpi : WindowDpi(dialog);
}

// Runs once the controls are gone, so the font made for them is free.
void ForgetDialogScale(HWND dialog)
{
    DialogScale* scale = FindDialogRecord(g_scales, dialog);
    if (scale == NULL)
        return;
    if (scale->madeFont != NULL)
        DeleteObject(scale->madeFont);
    scale->madeFont = NULL;
    scale->dialog = NULL;
}
