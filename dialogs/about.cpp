#include "dialogs/about.h"

#include <stdio.h>

#include "dialogs/dialog_fit.h"
#include "resources/resource.h"

namespace {

const COLORREF LINK_BLUE = RGB(0, 0, 255);
const char VERSION_TEXT[] = "Version 0.04.00 - Beta\nBuilt on Feb 22, 2006";
const char MAILTO[] = "mailto:";

enum AboutBrush { BRUSH_WEB_LINK, BRUSH_MAIL_LINK, BRUSH_OTHER, BRUSH_COUNT };

// Made anew at each opening, released once the dialog and its controls
// are gone.
HBRUSH g_aboutBrushes[BRUSH_COUNT];
const int LINK_COUNT = 2;
HFONT g_linkFonts[LINK_COUNT];
int g_linkFontCount = 0;
// The pictures: each shows its bitmap drawn at the larger scale where that
// fits the control's template rectangle at the dialog's scale, else the
// base one. The control keeps that rectangle, although a picture control
// takes its bitmap's size, so a picture never reaches into its neighbours.
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
WNDPROC g_previousWebLinkProc;
WNDPROC g_previousMailLinkProc;

WNDPROC SubclassControl(HWND dialog, int controlId, WNDPROC procedure)
{
    HWND control = GetDlgItem(dialog, controlId);
    return (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)procedure);
}

bool FitsLarge(const RECT& place, SIZE size)
{
    return place.right >= size.cx * BITMAP_LARGE_SCALE &&
           place.bottom >= size.cy * BITMAP_LARGE_SCALE;
}

// The template rectangle of a picture at the dialog's scale.
RECT PlaceOf(HWND dialog, const DialogPlace& place)
{
    RECT rect = {place.x, place.y, place.x + place.width, place.y + place.height};
    MapDialogRect(dialog, &rect);
    return rect;
}

int Smaller(int a, int b) { return a < b ? a : b; }

// Swaps a picture's bitmap where the other drawing fits its rectangle now
// (the bitmap the control had is freed), and keeps the control within
// that rectangle: as large as its bitmap, never larger than its place.
void ShowBitmapsThatFit(HWND dialog)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    for (int i = 0; i < PICTURE_COUNT; i++) {
        const Picture& picture = PICTURES[i];
        RECT place = PlaceOf(dialog, picture.place);
        OffsetRect(&place, -place.left, -place.top);
        bool large = FitsLarge(place, picture.size);
        if (large != g_showsLarge[i]) {
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
        SetWindowPos(GetDlgItem(dialog, picture.control), NULL, 0, 0,
                     Smaller(place.right, picture.size.cx * scale),
                     Smaller(place.bottom, picture.size.cy * scale),
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

// Windows rescales the box's controls for a new DPI; the fitting runs
// after that, and then the pictures take the bitmaps that fit.
void RefitAboutBox(HWND dialog)
{
    RefitDialogToTexts(dialog);
    ShowBitmapsThatFit(dialog);
}

void InitAboutDialog(HWND dialog)
{
    MakeAboutBrushes();
    UnderlineControlFont(dialog, IDC_LINK_WEB);
    UnderlineControlFont(dialog, IDC_LINK_MAIL);
    g_previousWebLinkProc = SubclassControl(dialog, IDC_LINK_WEB, WebLinkProc);
    g_previousMailLinkProc = SubclassControl(dialog, IDC_LINK_MAIL, MailLinkProc);
    SetDlgItemTextA(dialog, IDC_VERSION_TEXT, VERSION_TEXT);
    ShowBitmapsThatFit(dialog);
    FitDialogToTexts(dialog);
}

// Runs once the controls are gone, so their fonts and bitmaps are free.
void ReleaseAboutResources(HWND dialog)
{
    ForgetDialogLayout(dialog);
    ReleaseAboutBrushes();
    for (int i = 0; i < g_linkFontCount; i++)
        DeleteObject(g_linkFonts[i]);
    g_linkFontCount = 0;
    for (int i = 0; i < PICTURE_COUNT; i++) {
        if (g_pictureBitmaps[i] != NULL)
            DeleteObject(g_pictureBitmaps[i]);
        g_pictureBitmaps[i] = NULL;
        g_showsLarge[i] = false;
    }
}

// Pure blue links, unless the user asked for high contrast: then the
// scheme's colour for links.
COLORREF LinkColour()
{
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON))
        return GetSysColor(COLOR_HOTLIGHT);
    return LINK_BLUE;
}

// A click notification (code 0) on a link opens its address; a double
// click arrives with another code and opens nothing.
void OpenClickedLink(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != STN_CLICKED)
        return;
    HWND control = (HWND)lParam;
    if (control == GetDlgItem(dialog, IDC_LINK_WEB))
        OpenShellAddress(WEB_SITE_ADDRESS);
    if (control == GetDlgItem(dialog, IDC_LINK_MAIL)) {
        char address[sizeof MAILTO + sizeof CONTACT_MAIL_ADDRESS];
        snprintf(address, sizeof address, "%s%s", MAILTO, CONTACT_MAIL_ADDRESS);
        OpenShellAddress(address);
    }
}

INT_PTR HandleAboutCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    OpenClickedLink(dialog, wParam, lParam);
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

LRESULT ShowHandOverLink(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam)
{
    if (message == WM_MOUSEMOVE)
        SetCursor(LoadCursorA(NULL, IDC_HAND));
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

} // namespace

// A font is made only when a slot can keep it, so every font made is
// released with the dialog.
void UnderlineControlFont(HWND dialog, int controlId)
{
    if (g_linkFontCount == LINK_COUNT)
        return;
    HWND control = GetDlgItem(dialog, controlId);
    HFONT font = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
    LOGFONTA description;
    if (GetObjectA(font, sizeof description, &description) == 0)
        return;
    description.lfUnderline = TRUE;
    HFONT underlined = CreateFontIndirectA(&description);
    if (underlined == NULL)
        return;
    g_linkFonts[g_linkFontCount++] = underlined;
    SendMessageA(control, WM_SETFONT, (WPARAM)underlined, TRUE);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: InitAboutDialog(dialog); return TRUE;
    case WM_COMMAND: return HandleAboutCommand(dialog, wParam, lParam);
    case WM_CTLCOLORDLG: return (INT_PTR)g_aboutBrushes[BRUSH_OTHER];
    case WM_CTLCOLORSTATIC: return ColourStatic(dialog, (HDC)wParam, (HWND)lParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED: RepaintAboutBox(dialog); return FALSE;
    case WM_DPICHANGED: PostMessageA(dialog, WM_REFIT_DIALOG, 0, 0); return FALSE;
    case WM_REFIT_DIALOG: RefitAboutBox(dialog); return TRUE;
    case WM_NCDESTROY: ReleaseAboutResources(dialog); return FALSE;
    }
    return FALSE;
}

LRESULT CALLBACK WebLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ShowHandOverLink(g_previousWebLinkProc, window, message, wParam, lParam);
}

LRESULT CALLBACK MailLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ShowHandOverLink(g_previousMailLinkProc, window, message, wParam, lParam);
}
