#include "dialogs/about_links.h"

#include <math.h>

#include "accessibility/link_accessible.h"
#include "dialogs/shell_open.h"
#include "resources/resource.h"

namespace {

const COLORREF LINK_BLUE = RGB(0, 0, 255);
const char MAILTO[] = "mailto:";
// The least contrast of a text against its background that the web
// content guidelines accept for body text.
const double MIN_CONTRAST = 4.5;
// A key message's lParam has this bit set while the key auto-repeats.
const LPARAM KEY_WAS_DOWN = 1 << 30;

const int LINK_COUNT = 2;
const int LINK_IDS[LINK_COUNT] = {IDC_LINK_WEB, IDC_LINK_MAIL};
const int ADDRESS_SIZE = sizeof MAILTO + sizeof CONTACT_MAIL_ADDRESS + sizeof WEB_SITE_ADDRESS;

// Made at each opening and at each change of scale, one for each link, and
// released once no link uses it.
HFONT g_linkFonts[LINK_COUNT];
WNDPROC g_previousWebLinkProc;
WNDPROC g_previousMailLinkProc;
// The link on which Space went down: it opens when Space comes up, as a
// button clicks.
HWND g_spaceDownLink = NULL;

// The address a link opens, exactly as it is opened ("https://...",
// "mailto:..."); empty for any other window.
void FormatLinkAddress(HWND link, char* buffer, size_t size)
{
    int id = GetDlgCtrlID(link);
    lstrcpynA(buffer, id == IDC_LINK_WEB ? WEB_SITE_ADDRESS : id == IDC_LINK_MAIL ? MAILTO : "",
              (int)size);
    if (id == IDC_LINK_MAIL) {
        size_t length = lstrlenA(buffer);
        lstrcpynA(buffer + length, CONTACT_MAIL_ADDRESS, (int)(size - length));
    }
}

// Opens a link's address once.
void OpenLink(HWND link)
{
    char address[ADDRESS_SIZE];
    FormatLinkAddress(link, address, sizeof address);
    if (address[0] != 0)
        OpenShellAddress(address);
}

// The link's underlined font before is deleted once the link has the new
// one. Each link has a slot of its own in the table of fonts.
void UnderlineLinkFont(HWND dialog, int slot)
{
    HWND control = GetDlgItem(dialog, LINK_IDS[slot]);
    HFONT font = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
    LOGFONTA description;
    if (GetObjectA(font, sizeof description, &description) == 0)
        return;
    description.lfUnderline = TRUE;
    HFONT underlined = CreateFontIndirectA(&description);
    if (underlined == NULL)
        return;
    SendMessageA(control, WM_SETFONT, (WPARAM)underlined, TRUE);
    if (g_linkFonts[slot] != NULL)
        DeleteObject(g_linkFonts[slot]);
    g_linkFonts[slot] = underlined;
}

WNDPROC SubclassControl(HWND dialog, int controlId, WNDPROC procedure)
{
    HWND control = GetDlgItem(dialog, controlId);
    return (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)procedure);
}

// Relative luminance of a colour, as the web content guidelines define it.
double Luminance(COLORREF colour)
{
    const int channels[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    const double weights[] = {0.2126, 0.7152, 0.0722};
    double luminance = 0;
    for (int i = 0; i < 3; i++) {
        double c = channels[i] / 255.0;
        c = c <= 0.03928 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
        luminance += weights[i] * c;
    }
    return luminance;
}

double Contrast(COLORREF first, COLORREF second)
{
    double a = Luminance(first) + 0.05, b = Luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

bool IsHighContrastOn()
{
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

bool ShowsFocusCues(HWND link)
{
    return (SendMessageA(link, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

// The static draws its text into the paint's context, and the focus
// rectangle goes on the control's edge: the link is one line high.
void PaintFocusedLink(WNDPROC previous, HWND link)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(link, &paint);
    CallWindowProcA(previous, link, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    RECT rect;
    GetClientRect(link, &rect);
    DrawFocusRect(dc, &rect);
    EndPaint(link, &paint);
}

// The dialog manager hands a link the Enter key-down only: every other key
// keeps its dialog meaning (Esc, Tab, the arrows).
LRESULT AnswerDialogCode(WNDPROC previous, HWND link, WPARAM wParam, LPARAM lParam)
{
    LRESULT code = CallWindowProcA(previous, link, WM_GETDLGCODE, wParam, lParam);
    const MSG* message = (const MSG*)lParam;
    if (message != NULL && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
    return code;
}

// Enter opens at once, never again while it is held; Space opens when it
// comes up on the link it went down on.
void OpenOnKey(HWND link, UINT message, WPARAM key, LPARAM lParam)
{
    if (message == WM_KEYDOWN && (lParam & KEY_WAS_DOWN) != 0)
        return;
    if (message == WM_KEYDOWN && key == VK_RETURN)
        OpenLink(link);
    else if (message == WM_KEYDOWN && key == VK_SPACE)
        g_spaceDownLink = link;
    else if (message == WM_KEYUP && key == VK_SPACE && g_spaceDownLink == link) {
        g_spaceDownLink = NULL;
        OpenLink(link);
    }
}

// A focus change or a change of the keyboard cues shows or hides the
// focus rectangle.
LRESULT RepaintAfter(WNDPROC previous, HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KILLFOCUS && g_spaceDownLink == link)
        g_spaceDownLink = NULL;
    LRESULT result = CallWindowProcA(previous, link, message, wParam, lParam);
    InvalidateRect(link, NULL, TRUE);
    return result;
}

// A reader's object of the link knows the address it opens.
LRESULT AnswerReader(HWND link, WPARAM wParam, LPARAM lParam)
{
    char address[ADDRESS_SIZE];
    FormatLinkAddress(link, address, sizeof address);
    return AnswerLinkObject(link, address, wParam, lParam);
}

LRESULT HandleLinkMessage(WNDPROC previous, HWND link, UINT message, WPARAM wParam,
                          LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: SetCursor(LoadCursorA(NULL, IDC_HAND)); break;
    case WM_GETDLGCODE: return AnswerDialogCode(previous, link, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP: OpenOnKey(link, message, wParam, lParam); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: return RepaintAfter(previous, link, message, wParam, lParam);
    case WM_PAINT:
        if (GetFocus() != link || !ShowsFocusCues(link))
            break;
        PaintFocusedLink(previous, link);
        return 0;
    case WM_GETOBJECT: return AnswerReader(link, wParam, lParam);
    case WM_LINK_JUMP: OpenLink(link); return 0;
    case WM_NCDESTROY: DisconnectLinkObject(link); break;
    }
    return CallWindowProcA(previous, link, message, wParam, lParam);
}

LRESULT CALLBACK WebLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleLinkMessage(g_previousWebLinkProc, window, message, wParam, lParam);
}

LRESULT CALLBACK MailLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return HandleLinkMessage(g_previousMailLinkProc, window, message, wParam, lParam);
}

} // namespace

void SetUpLinks(HWND dialog)
{
    UnderlineLinks(dialog);
    g_previousWebLinkProc = SubclassControl(dialog, IDC_LINK_WEB, WebLinkProc);
    g_previousMailLinkProc = SubclassControl(dialog, IDC_LINK_MAIL, MailLinkProc);
}

void UnderlineLinks(HWND dialog)
{
    for (int slot = 0; slot < LINK_COUNT; slot++)
        UnderlineLinkFont(dialog, slot);
}

void ReleaseLinkFonts()
{
    for (HFONT& font : g_linkFonts) {
        if (font != NULL)
            DeleteObject(font);
        font = NULL;
    }
}

void OpenClickedLink(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == STN_CLICKED)
        OpenLink((HWND)lParam);
}

COLORREF LinkColour()
{
    return ReadableLinkColour(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_HOTLIGHT),
                              GetSysColor(COLOR_WINDOWTEXT), IsHighContrastOn());
}

COLORREF ReadableLinkColour(COLORREF background, COLORREF hotLight, COLORREF text,
                            bool highContrast)
{
    if (highContrast)
        return hotLight;
    if (Contrast(LINK_BLUE, background) >= MIN_CONTRAST)
        return LINK_BLUE;
    return Contrast(hotLight, background) >= MIN_CONTRAST ? hotLight : text;
}
