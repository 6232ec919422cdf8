#include "dialogs/about.h"

#include <stdio.h>

#include "resources/resource.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255);
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
// The bitmaps drawn at twice the size, loaded when the box is drawn at
// twice its base scale or more (192 DPI on Windows).
const int LARGE_BITMAP_COUNT = 2;
// The logo's place in the template and the height it is drawn at.
const int LOGO_DIALOG_UNITS = 24;
const int LOGO_HEIGHT = 48;
HBITMAP g_largeBitmaps[LARGE_BITMAP_COUNT];
WNDPROC g_previousWebLinkProc;
WNDPROC g_previousMailLinkProc;

WNDPROC SubclassControl(HWND dialog, int controlId, WNDPROC procedure)
{
    HWND control = GetDlgItem(dialog, controlId);
    return (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)procedure);
}

// The dialog manager scales the box with its font; its bitmaps follow at
// the drawn size nearest the box's own scale: the logo's place, mapped from
// dialog units, against the logo's base height. The bitmap the control had
// is freed.
void UseLargeBitmaps(HWND dialog)
{
    RECT logoPlace = {0, 0, LOGO_DIALOG_UNITS, LOGO_DIALOG_UNITS};
    MapDialogRect(dialog, &logoPlace);
    if (2 * logoPlace.bottom < 3 * LOGO_HEIGHT)
        return;
    const int controls[LARGE_BITMAP_COUNT] = {IDC_LOGO, IDC_DIVIDER};
    const int bitmaps[LARGE_BITMAP_COUNT] = {IDB_LOGO_2X, IDB_DIVIDER_2X};
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    for (int i = 0; i < LARGE_BITMAP_COUNT; i++) {
        g_largeBitmaps[i] = LoadBitmapA(instance, MAKEINTRESOURCEA(bitmaps[i]));
        HGDIOBJ previous = (HGDIOBJ)SendDlgItemMessageA(dialog, controls[i], STM_SETIMAGE,
                                                        IMAGE_BITMAP, (LPARAM)g_largeBitmaps[i]);
        if (previous != NULL && previous != g_largeBitmaps[i])
            DeleteObject(previous);
    }
}

void InitAboutDialog(HWND dialog)
{
    UseLargeBitmaps(dialog);
    for (HBRUSH& brush : g_aboutBrushes)
        brush = CreateSolidBrush(WHITE);
    UnderlineControlFont(dialog, IDC_LINK_WEB);
    UnderlineControlFont(dialog, IDC_LINK_MAIL);
    g_previousWebLinkProc = SubclassControl(dialog, IDC_LINK_WEB, WebLinkProc);
    g_previousMailLinkProc = SubclassControl(dialog, IDC_LINK_MAIL, MailLinkProc);
    SetDlgItemTextA(dialog, IDC_VERSION_TEXT, VERSION_TEXT);
}

void ReleaseAboutResources()
{
    for (HBRUSH& brush : g_aboutBrushes) {
        DeleteObject(brush);
        brush = NULL;
    }
    for (int i = 0; i < g_linkFontCount; i++)
        DeleteObject(g_linkFonts[i]);
    g_linkFontCount = 0;
    for (HBITMAP& bitmap : g_largeBitmaps) {
        if (bitmap != NULL)
            DeleteObject(bitmap);
        bitmap = NULL;
    }
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

// The links draw blue on a transparent background; every other static
// keeps the default colours over the white fill.
INT_PTR ColourStatic(HWND dialog, HDC dc, HWND control)
{
    HBRUSH brush = g_aboutBrushes[BRUSH_OTHER];
    if (control == GetDlgItem(dialog, IDC_LINK_WEB))
        brush = g_aboutBrushes[BRUSH_WEB_LINK];
    else if (control == GetDlgItem(dialog, IDC_LINK_MAIL))
        brush = g_aboutBrushes[BRUSH_MAIL_LINK];
    else
        return (INT_PTR)brush;
    SetTextColor(dc, LINK_BLUE);
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
    case WM_NCDESTROY: ReleaseAboutResources(); return FALSE;
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
