#include "dialogs/about.h"

#include "dialogs/dialog_fit.h"
#include "dialogs/dialog_scale.h"
#include "display/metrics.h"
#include "resources/resource.h"

namespace {

const char VERSION_TEXT[] = "Version 0.04.00 - Beta\nBuilt on Feb 22, 2006";

enum AboutBrush { BRUSH_WEB_LINK, BRUSH_MAIL_LINK, BRUSH_OTHER, BRUSH_COUNT };

// Made anew at each opening, released once the dialog and its controls
// are gone.
HBRUSH g_aboutBrushes[BRUSH_COUNT];
// The pictures: each shows its bitmap drawn at the larger scale where that
// fits the control's template rectangle at the dialog's scale (and always
// from twice the base DPI on), else the base one. A base drawing stays
// within that rectangle, although a picture control takes its bitmap's
// size, so it never reaches into its neighbours.
struct DialogPlace {
    int x, y, width, height;
};
struct Picture {
    int control;
    int bitmap;
    int largeBitmap;
    SIZE size;
    DialogPlace place;
};
const Picture PICTURES[] = {
    {IDC_LOGO, IDB_LOGO, IDB_LOGO_LARGE, {LOGO_SIZE, LOGO_SIZE}, {LOGO_PLACE}},
    {IDC_DIVIDER, IDB_DIVIDER, IDB_DIVIDER_LARGE, {DIVIDER_WIDTH, DIVIDER_HEIGHT}, {DIVIDER_PLACE}},
};
const int PICTURE_COUNT = 2;
// The bitmaps this box loaded, and whether each shows the larger one.
HBITMAP g_pictureBitmaps[PICTURE_COUNT];
bool g_showsLarge[PICTURE_COUNT];

// From twice the base DPI on the larger drawing shows, and its place grows
// to hold it where the font's units make it a little small.
bool ShowsLarge(HWND dialog, const RECT& place, SIZE size)
{
    return DialogDpi(dialog) >= BITMAP_LARGE_SCALE * BASE_DPI ||
           (place.right >= size.cx * BITMAP_LARGE_SCALE &&
            place.bottom >= size.cy * BITMAP_LARGE_SCALE);
}

// The template rectangle of a picture at the dialog's scale.
RECT PlaceOf(HWND dialog, const DialogPlace& place)
{
    RECT rect = {place.x, place.y, place.x + place.width, place.y + place.height};
    MapDialogUnits(dialog, &rect);
    return rect;
}

int Smaller(int a, int b) { return a < b ? a : b; }

// Gives a picture the drawing that fits its rectangle now (the bitmap it
// had is freed) and the size of its bitmap: within that rectangle for the
// base drawing, whole for the larger one. The bitmaps are stored
// run-length encoded, which Windows decodes into device-dependent bitmaps
// (LoadBitmap) only, so the template names none and the box loads them.
void ShowBitmapsThatFit(HWND dialog)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    for (int i = 0; i < PICTURE_COUNT; i++) {
        const Picture& picture = PICTURES[i];
        RECT place = PlaceOf(dialog, picture.place);
        OffsetRect(&place, -place.left, -place.top);
        bool large = ShowsLarge(dialog, place, picture.size);
        if (g_pictureBitmaps[i] == NULL || large != g_showsLarge[i]) {
            int resource = large ? picture.largeBitmap : picture.bitmap;
            HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(resource));
            HGDIOBJ previous = (HGDIOBJ)SendDlgItemMessageA(
                dialog, picture.control, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap);
            if (previous != NULL && previous != bitmap)
                DeleteObject(previous);
            g_pictureBitmaps[i] = bitmap;
            g_showsLarge[i] = large;
        }
        int scale = large ? BITMAP_LARGE_SCALE : 1;
        SIZE shown = {picture.size.cx * scale, picture.size.cy * scale};
        if (!large)
            shown = {Smaller(place.right, shown.cx), Smaller(place.bottom, shown.cy)};
        SetWindowPos(GetDlgItem(dialog, picture.control), NULL, 0, 0, shown.cx, shown.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The box's own colours follow the user's scheme: the window colour behind
// every control.
void MakeAboutBrushes()
{
    for (HBRUSH& brush : g_aboutBrushes)
        brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void ReleaseAboutBrushes()
{
    for (HBRUSH& brush : g_aboutBrushes) {
        DeleteObject(brush);
        brush = NULL;
    }
}

// After a change of the colour scheme or of the settings, the box is
// drawn anew in the current colours.
void RepaintAboutBox(HWND dialog)
{
    ReleaseAboutBrushes();
    MakeAboutBrushes();
    InvalidateRect(dialog, NULL, TRUE);
}

// At a new DPI the controls take the font of that DPI (the links its
// underlined copy), the pictures the drawings that fit, and the whole box
// is fitted again.
void RefitAboutBox(HWND dialog)
{
    if (UpdateDialogFont(dialog))
        UnderlineLinks(dialog);
    ShowBitmapsThatFit(dialog);
    RefitDialogToTexts(dialog);
}

// The links are tab stops ahead of OK in the template, so the focus is put
// on OK here and the dialog manager is told not to move it.
BOOL InitAboutDialog(HWND dialog)
{
    MakeAboutBrushes();
    SetUpLinks(dialog);
    SetDlgItemTextA(dialog, IDC_VERSION_TEXT, VERSION_TEXT);
    ShowBitmapsThatFit(dialog);
    FitDialogToTexts(dialog, IDD_ABOUT);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

// Runs once the controls are gone, so their fonts and bitmaps are free.
void ReleaseAboutResources(HWND dialog)
{
    ForgetDialogLayout(dialog);
    ReleaseAboutBrushes();
    ReleaseLinkFonts();
    for (int i = 0; i < PICTURE_COUNT; i++) {
        if (g_pictureBitmaps[i] != NULL)
            DeleteObject(g_pictureBitmaps[i]);
        g_pictureBitmaps[i] = NULL;
        g_showsLarge[i] = false;
    }
}

INT_PTR HandleAboutCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    OpenClickedLink(wParam, lParam);
    WORD command = LOWORD(wParam);
    if (command != IDOK && command != IDCANCEL)
        return FALSE;
    EndDialog(dialog, command);
    return TRUE;
}

// The links draw in the link colour on a transparent background; every
// other static draws the window text colour on the window colour.
INT_PTR ColourStatic(HWND dialog, HDC dc, HWND control)
{
    HBRUSH brush = g_aboutBrushes[BRUSH_OTHER];
    if (control == GetDlgItem(dialog, IDC_LINK_WEB))
        brush = g_aboutBrushes[BRUSH_WEB_LINK];
    else if (control == GetDlgItem(dialog, IDC_LINK_MAIL))
        brush = g_aboutBrushes[BRUSH_MAIL_LINK];
    else {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return (INT_PTR)brush;
    }
    SetTextColor(dc, LinkColour());
    SetBkMode(dc, TRANSPARENT);
    return (INT_PTR)brush;
}

} // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return InitAboutDialog(dialog);
    case WM_COMMAND: return HandleAboutCommand(dialog, wParam, lParam);
    case WM_CTLCOLORDLG: return (INT_PTR)g_aboutBrushes[BRUSH_OTHER];
    case WM_CTLCOLORSTATIC: return ColourStatic(dialog, (HDC)wParam, (HWND)lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED: RepaintAboutBox(dialog); return FALSE;
    case WM_DPICHANGED: HandleDialogDpiChange(dialog, wParam, lParam); return TRUE;
    case WM_REFIT_DIALOG: RefitAboutBox(dialog); return TRUE;
    case WM_NCDESTROY: ReleaseAboutResources(dialog); return FALSE;
    }
    return FALSE;
}
