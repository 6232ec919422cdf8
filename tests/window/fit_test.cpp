// Every text the program draws is whole, in whatever font the system gives
// it: the status bar with its widest readout, and every text, link, button
// and frame of the About, Help and History windows. A control is printed
// as it is and again with room to spare; ink that only the room shows was
// cut. The same checks run in the prefixes with other fonts and scales.
#include "calculator.h"
#include "canvas.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

#include "dialogs/dialog_fit.h"
#include "dialogs/dialog_scale.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_fit.h"

namespace {

const int SPARE = 200;
const int MIN_ROOM_AFTER_TEXT = 3;
const char HEX_DIGITS[] = "0123456789ABCDEF";

typedef std::vector<bool> Ink;

// Where two prints of the same size differ.
Ink DifferentPixels(const Canvas& first, const Canvas& second, int width, int height)
{
    std::vector<COLORREF> a = ReadPixels(first, width, height);
    std::vector<COLORREF> b = ReadPixels(second, width, height);
    Ink ink(a.size());
    for (size_t i = 0; i < a.size(); i++)
        ink[i] = a[i] != b[i];
    return ink;
}

// A text's width, or with none the font's metrics and face, in the
// window's own font.
int MeasureInFont(HWND window, const std::string& text, TEXTMETRICA* metrics = NULL,
                  char* face = NULL)
{
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, (HFONT)SendMessageA(window, WM_GETFONT, 0, 0));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    if (metrics != NULL)
        GetTextMetricsA(dc, metrics);
    if (face != NULL)
        GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

// The widest of the candidate digits in the bar's font.
char WidestDigit(const char* candidates)
{
    char widest = candidates[0];
    for (const char* digit = candidates; *digit != 0; digit++)
        if (MeasureInFont(g_statusBar, {*digit}) > MeasureInFont(g_statusBar, {widest}))
            widest = *digit;
    return widest;
}

// The hexadecimal digits of the value whose readout is widest, Bus, Dev,
// Func and Reg each made of its widest possible digits, the widest bit
// readout, and the widest text of the flags part: every flag set, with the
// count of open parentheses that draws widest.
void WorkOutWidestTexts(std::string* digits, std::string* bitText, std::string* flagsText)
{
    char hex = WidestDigit(HEX_DIGITS);
    unsigned bus = strtoul(std::string(2, hex).c_str(), NULL, 16);
    unsigned dev = strtoul(std::string({WidestDigit("01"), hex}).c_str(), NULL, 16);
    unsigned func = WidestDigit("01234567") - '0';
    char text[32];
    snprintf(text, sizeof text, "%X", bus << 16 | dev << 11 | func << 8 | bus);
    *digits = text;
    *bitText = "";
    for (int bit = 0; bit < 64; bit++) {
        snprintf(text, sizeof text, "      Bit %2.2d", bit);
        if (MeasureInFont(g_statusBar, text) > MeasureInFont(g_statusBar, *bitText))
            *bitText = text;
    }
    *flagsText = "";
    for (int open = 1; open <= 32; open++) {
        std::string text = "(" + std::to_string(open) + "  CF OF PF SF";
        if (MeasureInFont(g_statusBar, text) > MeasureInFont(g_statusBar, *flagsText))
            *flagsText = text;
    }
}

// The status bar's text ink over a width: its print less the print with
// every part empty.
Ink StatusInk(int width, int height)
{
    int count = StatusPartCount();
    std::string texts[STATUS_PART_COUNT];
    Canvas with = PrintIntoCanvas(g_statusBar, width, height);
    for (int part = 0; part < count; part++) {
        texts[part] = StatusText(part);
        SendMessageA(g_statusBar, SB_SETTEXTA, part, (LPARAM) "");
    }
    Canvas without = PrintIntoCanvas(g_statusBar, width, height);
    for (int part = 0; part < count; part++)
        SendMessageA(g_statusBar, SB_SETTEXTA, part, (LPARAM)texts[part].c_str());
    Ink ink = DifferentPixels(with, without, width, height);
    FreeCanvas(with);
    FreeCanvas(without);
    return ink;
}

// Each part's text as the window shows it (cut at the bar's own width)
// must be its whole text, as a bar with room to spare after every part
// shows it.
void ExpectStatusTextsWhole(const char* rows)
{
    RECT bar;
    GetClientRect(g_statusBar, &bar);
    int count = StatusPartCount(), width = bar.right, height = bar.bottom;
    int edges[STATUS_PART_COUNT] = {}, wideEdges[STATUS_PART_COUNT] = {};
    SendMessageA(g_statusBar, SB_GETPARTS, STATUS_PART_COUNT, (LPARAM)edges);
    Ink shown = StatusInk(width, height);
    for (int part = 0; part < count; part++)
        wideEdges[part] = edges[part] + (part + 1) * SPARE;
    // Parts may end beyond the bar: the widened print holds them whole.
    int wideWidth = (edges[count - 1] > width ? edges[count - 1] : width) + count * SPARE;
    SendMessageA(g_statusBar, SB_SETPARTS, count, (LPARAM)wideEdges);
    Ink whole = StatusInk(wideWidth, height);
    for (int part = 0; part < count; part++) {
        int left = part == 0 ? 0 : edges[part - 1], wideLeft = part == 0 ? 0 : wideEdges[part - 1];
        int cut = 0;
        for (int dx = 0; dx < edges[part] - left + SPARE; dx++)
            for (int y = 0; y < height; y++) {
                bool inShown = left + dx < width && left + dx < edges[part] &&
                               shown[(size_t)y * width + left + dx];
                cut += whole[(size_t)y * wideWidth + wideLeft + dx] != inShown;
            }
        EXPECT_EQ(cut, 0) << rows << ": part " << part << " '" << StatusText(part)
                          << "' is cut (" << cut << " pixels)";
        // The bar keeps 4 pixels before a text at every scale here; as
        // many are kept after its ink, less at most a pixel of overhang.
        int inkEnd = left;
        for (int x = left; x < edges[part] && x < width; x++)
            for (int y = 0; y < height; y++)
                inkEnd = shown[(size_t)y * width + x] ? x + 1 : inkEnd;
        EXPECT_GE(edges[part] - inkEnd, MIN_ROOM_AFTER_TEXT) << rows << ": part " << part;
    }
}

// A text printed with room to spare, right and below where it holds one
// line, only below where it holds several (wider, it would wrap anew):
// the pixels its own rectangle would have cut.
int CutPixels(HWND control)
{
    RECT rect;
    GetClientRect(control, &rect);
    int width = rect.right, height = rect.bottom;
    TEXTMETRICA metrics = {};
    MeasureInFont(control, "", &metrics);
    int roomyWidth = height < 2 * metrics.tmHeight ? width + SPARE : width;
    int roomyHeight = height + SPARE;
    SetWindowPos(control, NULL, 0, 0, roomyWidth, roomyHeight, SWP_NOMOVE | SWP_NOZORDER);
    Canvas roomy = PrintIntoCanvas(control, roomyWidth, roomyHeight);
    SetWindowPos(control, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    std::vector<COLORREF> pixels = ReadPixels(roomy, roomyWidth, roomyHeight);
    FreeCanvas(roomy);
    COLORREF background = pixels.back();
    int cut = 0;
    for (int y = 0; y < roomyHeight; y++)
        for (int x = 0; x < roomyWidth; x++)
            cut += (x >= width || y >= height) && pixels[(size_t)y * roomyWidth + x] != background;
    return cut;
}

bool Holds(const RECT& outer, const RECT& inner)
{
    RECT both;
    IntersectRect(&both, &outer, &inner);
    return EqualRect(&both, &inner) != 0;
}

// The font the dialog really got: raster or outline, as the prefix under
// test says ("outline", or "outline/raster": the About box's, then the
// others'), so a host whose fonts happen to fit cannot pass for another.
void ExpectFontKind(HWND dialog)
{
    const char* kinds = getenv("TERNWICK_DIALOG_FONT");
    if (kinds == NULL)
        return;
    char title[64], face[LF_FACESIZE] = "";
    GetWindowTextA(dialog, title, sizeof title);
    std::string expected = kinds;
    size_t slash = expected.find('/');
    if (slash != std::string::npos)
        expected = strcmp(title, "About") == 0 ? expected.substr(0, slash) : expected.substr(slash + 1);
    TEXTMETRICA metrics = {};
    MeasureInFont(dialog, "", &metrics, face);
    bool outline = (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0;
    EXPECT_EQ(outline ? "outline" : "raster", expected) << title << ": dialog font " << face;
}

bool IsText(HWND control)
{
    char className[16];
    GetClassNameA(control, className, sizeof className);
    LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiA(className, "Static") == 0 && type <= SS_RIGHT;
}

// No two texts overlap, and a link starts after the text of the label on
// its line.
void ExpectTextsApart(HWND dialog)
{
    for (HWND first = GetWindow(dialog, GW_CHILD); first != NULL;
         first = GetWindow(first, GW_HWNDNEXT))
        for (HWND second = GetWindow(first, GW_HWNDNEXT); second != NULL;
             second = GetWindow(second, GW_HWNDNEXT)) {
            if (!IsText(first) || !IsText(second))
                continue;
            RECT a = ChildRectInDialog(dialog, first), b = ChildRectInDialog(dialog, second), both;
            char text[64];
            GetWindowTextA(first, text, sizeof text);
            EXPECT_FALSE(IntersectRect(&both, &a, &b)) << "'" << text << "' overlaps a text";
            bool link = (GetWindowLongA(second, GWL_STYLE) & SS_NOTIFY) != 0;
            if (link && a.top == b.top && a.left < b.left) {
                EXPECT_GE(b.left, a.left + MeasureInFont(first, text)) << "link after " << text;
            }
        }
}

// Every text whole, every caption inside its button or frame, every control
// inside its group box and the dialog.
void ExpectDialogFits(HWND dialog)
{
    ExpectTextsApart(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT)) {
        char className[16], text[64];
        GetClassNameA(control, className, sizeof className);
        GetWindowTextA(control, text, sizeof text);
        LONG style = GetWindowLongA(control, GWL_STYLE);
        RECT rect = ChildRectInDialog(dialog, control);
        EXPECT_TRUE(Holds(client, rect)) << "'" << text << "' lies outside the dialog";
        if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT) {
            EXPECT_EQ(CutPixels(control), 0) << "'" << text << "' is cut";
        } else if (lstrcmpiA(className, "Button") == 0) {
            EXPECT_LT(MeasureInFont(control, text), rect.right - rect.left) << "'" << text << "'";
        }
        if (lstrcmpiA(className, "Button") != 0 || (style & BS_TYPEMASK) != BS_GROUPBOX)
            continue;
        for (HWND inside = GetWindow(dialog, GW_CHILD); inside != NULL;
             inside = GetWindow(inside, GW_HWNDNEXT)) {
            RECT other = ChildRectInDialog(dialog, inside);
            POINT middle = {(other.left + other.right) / 2, (other.top + other.bottom) / 2};
            if (inside != control && PtInRect(&rect, middle)) {
                EXPECT_TRUE(Holds(rect, other)) << "frame '" << text << "' cuts a control";
            }
        }
    }
}

// The About box's pictures as drawn, at the scale of the drawing each
// shows (3/2 of the base size from 144 DPI on, twice it from 192): a
// point of each drawing in its colour, and a larger drawing whole.
void ExpectPicturesDrawn(HWND dialog, int dpi)
{
    struct Point { int control; SIZE base; int x, y; COLORREF colour; };
    const Point points[] = {{IDC_LOGO, {LOGO_SIZE, LOGO_SIZE}, 30, 12, RGB(0x00, 0xB0, 0xC0)},
                            {IDC_DIVIDER, {DIVIDER_WIDTH, DIVIDER_HEIGHT}, 100, 7,
                             RGB(0x2F, 0x4F, 0x4F)}};
    int halves = dpi >= BITMAP_LARGE_SCALE * BASE_DPI ? 2 * BITMAP_LARGE_SCALE
                 : 2 * dpi >= 3 * BASE_DPI            ? 3
                                                      : 2;
    for (const Point& point : points) {
        HWND picture = GetDlgItem(dialog, point.control);
        if (picture == NULL)
            return;
        RECT rect;
        GetClientRect(picture, &rect);
        if (halves > 2) {
            EXPECT_EQ(rect.right, (point.base.cx * halves + 1) / 2) << "picture " << point.control;
            EXPECT_EQ(rect.bottom, (point.base.cy * halves + 1) / 2) << "picture " << point.control;
        }
        Canvas canvas = PrintIntoCanvas(picture, rect.right, rect.bottom);
        EXPECT_EQ(GetPixel(canvas.dc, point.x * halves / 2, point.y * halves / 2), point.colour)
            << "picture " << point.control << " at " << dpi << " DPI";
        FreeCanvas(canvas);
    }
}

// A dialog under test: its title, its template's point size, and its
// client size at 96 DPI with Wine's fonts.
struct Opened {
    const char* title;
    int pointSize;
    SIZE client96;
    bool checked;
};
Opened g_opened;
// The fonts and the pictures' bitmaps the controls had at each scale: once
// no control uses them (after a change, after closing) they must be
// deleted.
std::vector<HGDIOBJ> g_scaledObjects;

void NoteScaledObjects(HWND dialog)
{
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT)) {
        g_scaledObjects.push_back((HGDIOBJ)SendMessageA(control, WM_GETFONT, 0, 0));
        HGDIOBJ bitmap = (HGDIOBJ)SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0);
        if (bitmap != NULL && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            g_scaledObjects.push_back(bitmap);
    }
}

// The template's point size at the DPI, within a tenth, in the font of
// every text and button of the dialog.
void ExpectCharactersInProportion(HWND dialog, int dpi)
{
    double wanted = MulDiv(g_opened.pointSize, dpi, 72);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT)) {
        TEXTMETRICA metrics = {};
        MeasureInFont(control, "", &metrics);
        if (!IsText(control) && GetDlgCtrlID(control) != IDOK)
            continue;
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, wanted, wanted / 10)
            << g_opened.title << " at " << dpi << " DPI, control " << GetDlgCtrlID(control);
        bool isLink = (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) != 0;
        EXPECT_EQ(metrics.tmUnderlined != 0, isLink) << "control " << GetDlgCtrlID(control);
    }
}

// The client size and every control's place in it, as text.
std::string LayoutOf(HWND dialog)
{
    RECT rect;
    GetClientRect(dialog, &rect);
    std::string layout = std::to_string(rect.right) + "x" + std::to_string(rect.bottom);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT)) {
        rect = ChildRectInDialog(dialog, control);
        for (LONG edge : {rect.left, rect.top, rect.right, rect.bottom})
            layout += " " + std::to_string(edge);
    }
    return layout;
}

RECT WorkArea(HWND dialog)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// What the system sends on a move to a screen of that DPI, with the place
// it suggests (where the dialog is, or with its top left corner at the
// point given); the dialog lays itself out once the message is done.
void ChangeDpi(HWND dialog, int dpi, const POINT* at = NULL)
{
    RECT frame;
    GetWindowRect(dialog, &frame);
    if (at != NULL)
        OffsetRect(&frame, at->x - frame.left, at->y - frame.top);
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&frame);
    PumpMessages();
}

// The dialog opens at the main window's scale, wherever the dialog manager
// made it.
void CALLBACK CheckWhenOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA("#32770", g_opened.title);
    if (dialog == NULL || !IsWindowVisible(dialog))
        return;
    KillTimer(NULL, timer);
    int dpi = g_metrics.dpi;
    if (dpi == WindowDpi(dialog))
        ExpectFontKind(dialog);
    ExpectDialogFits(dialog);
    ExpectPicturesDrawn(dialog, dpi);
    ExpectCharactersInProportion(dialog, dpi);
    NoteScaledObjects(dialog);
    std::string opened = LayoutOf(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_GE(client.right * 5 * BASE_DPI, g_opened.client96.cx * 4 * dpi) << g_opened.title;
    EXPECT_GE(client.bottom * 5 * BASE_DPI, g_opened.client96.cy * 4 * dpi) << g_opened.title;
    // A change to the same scale, with a control out of place and the box
    // too small, brings back the fitted layout; so does a change to twice
    // the scale and back, where the screen shows what it showed at first.
    SetWindowPos(GetWindow(dialog, GW_CHILD), NULL, 3, 3, 5, 5, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(dialog, NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT work = WorkArea(dialog), window;
    POINT corner = {work.right - 10, work.bottom - 10};
    ChangeDpi(dialog, dpi, &corner);
    EXPECT_EQ(LayoutOf(dialog), opened) << g_opened.title << ": a change to the same scale";
    GetWindowRect(dialog, &window);
    EXPECT_TRUE(Holds(work, window)) << g_opened.title << " leaves the work area";
    std::vector<COLORREF> shown = ScreenPixels(dialog);
    ChangeDpi(dialog, 2 * dpi);
    ExpectCharactersInProportion(dialog, 2 * dpi);
    ExpectDialogFits(dialog);
    ExpectPicturesDrawn(dialog, 2 * dpi);
    NoteScaledObjects(dialog);
    ChangeDpi(dialog, dpi);
    EXPECT_EQ(LayoutOf(dialog), opened) << g_opened.title << ": twice the scale and back";
    EXPECT_TRUE(ScreenPixels(dialog) == shown) << g_opened.title << ": stale pixels on screen";
    ChangeDpi(dialog, 2 * dpi);
    NoteScaledObjects(dialog);
    g_opened.checked = true;
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Makes the system's status font half as large again for its lifetime,
// and puts the metrics back at its end: the session's Wine server keeps
// them.
struct LargerStatusFont {
    NONCLIENTMETRICSW saved = {};
    LargerStatusFont()
    {
        saved.cbSize = sizeof saved;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
        NONCLIENTMETRICSW larger = saved;
        larger.lfStatusFont.lfHeight = saved.lfStatusFont.lfHeight * 3 / 2;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0);
    }
    ~LargerStatusFont() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0); }
};

typedef CalculatorTest Fit;

// Each dialog at the main window's scale, and again after the main window
// moved to a screen of twice the base scale.
TEST_F(Fit, DialogsHoldTheirTexts)
{
    struct Case { int command; Opened dialog; };
    const Case cases[] = {
        {CMD_ABOUT, {"About", 10, {638, 246}, false}},
        {CMD_HELP, {"Ternwick - Help", 8, {415, 187}, false}},
        {CMD_HISTORY, {"Ternwick - History", 8, {419, 283}, false}},
    };
    for (int pass = 0; pass < 2; pass++) {
        for (const Case& c : cases) {
            g_opened = c.dialog;
            SetTimer(NULL, 0, 20, CheckWhenOpen);
            SendCommand(c.command);
            for (int wait = 0; wait < 100 && !g_opened.checked; wait++) {
                PumpMessages();
                Sleep(20);
            }
            EXPECT_TRUE(g_opened.checked) << g_opened.title << " never opened";
            for (HGDIOBJ object : g_scaledObjects)
                EXPECT_EQ(GetObjectType(object), 0u) << g_opened.title << ": an object was kept";
            g_scaledObjects.clear();
        }
        if (g_metrics.dpi != BASE_DPI)
            break;
        RECT suggested;
        GetWindowRect(g_mainWindow, &suggested);
        SendMessageA(g_mainWindow, WM_DPICHANGED, MAKEWPARAM(2 * BASE_DPI, 2 * BASE_DPI),
                     (LPARAM)&suggested);
    }
}

TEST_F(Fit, StatusBarHoldsItsWidestTexts)
{
    struct Case { const char* rows; bool hex, dec, bin; };
    const Case cases[] = {
        {"Hex Dec Bin", true, true, true},
        {"Hex Dec", true, true, false},
        {"Hex", true, false, false},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        ShowRows(c.hex, c.dec, c.bin);
        std::string digits, bitText, flagsText;
        WorkOutWidestTexts(&digits, &bitText, &flagsText);
        // An open parenthesis gives the flags part its room.
        TypeChars("(" + digits);
        if (c.bin)
            SendMessageA(g_statusBar, SB_SETTEXTA, STATUS_PART_BIT, (LPARAM)bitText.c_str());
        SendMessageA(g_statusBar, SB_SETTEXTA, StatusPartCount() - 1, (LPARAM)flagsText.c_str());
        ExpectStatusTextsWhole(c.rows);
    }
    // A larger status font while the window is open: the parts and the
    // window grow to hold the texts again.
    TEXTMETRICA before = {}, after = {};
    MeasureInFont(g_statusBar, "", &before);
    LargerStatusFont larger;
    SendMessageA(g_mainWindow, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    MeasureInFont(g_statusBar, "", &after);
    EXPECT_GT(after.tmHeight, before.tmHeight);
    ExpectStatusTextsWhole("Hex, larger font");
}

// A font whose digits are all 5 pixels wide but the few it names, the
// widest last.
int WidthOfDigits(const char* text, const void* wideDigits)
{
    int width = 0;
    for (; *text != 0; text++) {
        const char* found = strchr((const char*)wideDigits, *text);
        width += found != NULL ? 6 + (int)(found - (const char*)wideDigits) : 5;
    }
    return width;
}

// The widest value is found whichever digit is widest.
TEST(StatusFit, WidestReadoutFollowsTheWidestDigits)
{
    struct Case { const char* wideDigits; uint64_t value; };
    const Case cases[] = {{"17F", 0xFFFFFF}, {"03C", 0xCC63CC}, {"0A", 0xAA50AA}};
    for (const Case& c : cases)
        EXPECT_EQ(WidestPciValue(WidthOfDigits, c.wideDigits), c.value) << c.wideDigits;
}

} // namespace
