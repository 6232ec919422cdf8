#include "dialogs/about.h"

#include "dialogs/dialog_scale.h"
#include "dialogs/scaled_dialog.h"
#include "display/metrics.h"
#include "resources/resource.h"

namespace {

const char VERSION_TEXT[] = "Version 0.06.00 - Beta\nBuilt on Feb 22, 2006";

enum AboutBrush { BRUSH_WEB_LINK, BRUSH_MAIL_LINK, BRUSH_OTHER, BRUSH_COUNT };

// Made anew at each opening, released once the dialog and its controls
// are gone.
HBRUSH g_aboutBrushes[BRUSH_COUNT];
// The pictures: each shows the largest of its drawings whose scale is at
// most the dialog's DPI over the base DPI. A drawing larger than the base
// one shows whole, its control grown to hold it; the base drawing stays
// within the control's template rectangle, although a picture control
// takes its bitmap's size, so it never reaches into its neighbours.
struct DialogPlace {
    int x, y, width, height;
};
// A drawing's scale is counted in halves of the base size.
struct Drawing {
    int bitmap;
    int halves;
};
const int DRAWING_COUNT = 3;
const int BASE_HALVES = 2;
const int MEDIUM_HALVES = 3;
struct Picture {
    int control;
    Drawing drawings[DRAWING_COUNT];
    SIZE size;
    DialogPlace place;
};
const Picture PICTURES[] = {
    {IDC_LOGO,
     {{IDB_LOGO_LARGE, 2 * BITMAP_LARGE_SCALE}, {IDB_LOGO_MEDIUM, MEDIUM_HALVES}, {IDB_LOGO, BASE_HALVES}},
     {LOGO_SIZE, LOGO_SIZE},
     {LOGO_PLACE}},
    {IDC_DIVIDER,
     {{IDB_DIVIDER_LARGE, 2 * BITMAP_LARGE_SCALE}, {IDB_DIVIDER_MEDIUM, MEDIUM_HALVES},
      {IDB_DIVIDER, BASE_HALVES}},
     {DIVIDER_WIDTH, DIVIDER_HEIGHT},
     {DIVIDER_PLACE}},
};
const int PICTURE_COUNT = 2;
// The bitmaps this box loaded, and which drawing each is.
HBITMAP g_pictureBitmaps[PICTURE_COUNT];
int g_shownBitmaps[PICTURE_COUNT];

// The largest drawing whose scale is at most the DPI's; the base one below
// the base DPI.
const Drawing& DrawingFor(const Picture& picture, int dpi)
{
    for (const Drawing& drawing : picture.drawings)
        if (drawing.halves * BASE_DPI <= BASE_HALVES * dpi)
            return drawing;
    return picture.drawings[DRAWING_COUNT - 1];
}

// A size at a scale in halves; a drawing's size rounds up.
int ScaleByHalves(int size, int halves)
{
    return (size * halves + 1) / BASE_HALVES;
}

// The template rectangle of a picture at the dialog's scale.
RECT PlaceOf(HWND dialog, const DialogPlace& place)
{
    RECT rect = {place.x, place.y, place.x + place.width, place.y + place.height};
    MapDialogUnits(dialog, &rect);
    return rect;
}

int Smaller(int a, int b) { return a < b ? a : b; }

// Gives a picture the drawing of the dialog's scale now (the bitmap it had
// is freed) and the size of its bitmap: within its template rectangle for
// the base drawing, whole for a larger one. The bitmaps are stored
// run-length encoded, which Windows decodes into device-dependent bitmaps
// (LoadBitmap) only, so the template names none and the box loads them.
void ShowPicture(HWND dialog, int index)
{
    const Picture& picture = PICTURES[index];
    const Drawing& drawing = DrawingFor(picture, DialogDpi(dialog));
    if (g_pictureBitmaps[index] == NULL || g_shownBitmaps[index] != drawing.bitmap) {
        HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
        HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(drawing.bitmap));
        HGDIOBJ previous = (HGDIOBJ)SendDlgItemMessageA(dialog, picture.control, STM_SETIMAGE,
                                                       IMAGE_BITMAP, (LPARAM)bitmap);
        if (previous != NULL && previous != bitmap)
            DeleteObject(previous);
        g_pictureBitmaps[index] = bitmap;
        g_shownBitmaps[index] = drawing.bitmap;
    }
    SIZE shown = {ScaleByHalves(picture.size.cx, drawing.halves),
                  ScaleByHalves(picture.size.cy, drawing.halves)};
    if (drawing.halves == BASE_HALVES) {
        RECT place = PlaceOf(dialog, picture.place);
        shown = {Smaller(place.right - place.left, shown.cx),
                 Smaller(place.bottom - place.top, shown.cy)};
    }
    SetWindowPos(GetDlgItem(dialog, picture.control), NULL, 0, 0, shown.cx, shown.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// At a new DPI the links take an underlined copy of the new font, and the
// pictures the drawings of the new scale.
void RefitLinksAndPictures(HWND dialog, bool fontChanged)
{
    if (fontChanged)
        UnderlineLinks(dialog);
    for (int i = 0; i < PICTURE_COUNT; i++)
        ShowPicture(dialog, i);
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

// The links are tab stops ahead of OK in the template, so the focus is put
// on OK here and the dialog manager is told not to move it.
BOOL InitAboutDialog(HWND dialog)
{
    MakeAboutBrushes();
    SetUpLinks(dialog);
    SetDlgItemTextA(dialog, IDC_VERSION_TEXT, VERSION_TEXT);
    StartScaledDialog(dialog, IDD_ABOUT, RefitLinksAndPictures);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

// Runs once the controls are gone, so their fonts and bitmaps are free.
void ReleaseAboutResources()
{
    ReleaseAboutBrushes();
    ReleaseLinkFonts();
    for (int i = 0; i < PICTURE_COUNT; i++) {
        if (g_pictureBitmaps[i] != NULL)
            DeleteObject(g_pictureBitmaps[i]);
        g_pictureBitmaps[i] = NULL;
        g_shownBitmaps[i] = 0;
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
    case WM_NCDESTROY: ReleaseAboutResources(); break;
    }
    return HandleScaledDialogMessage(dialog, message, wParam, lParam, RefitLinksAndPictures);
}
