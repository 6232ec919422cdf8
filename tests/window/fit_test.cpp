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
// Func and Reg each made of its widest possible digits, and the widest bit
// readout.
void WorkOutWidestTexts(std::string* digits, std::string* bitText)
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
}

// The status bar's text ink over a width: its print less the print with
// every part empty.
Ink StatusInk(int width, int height)
{
    int count = StatusPartCount();
    std::string texts[3];
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
    int edges[3] = {}, wideEdges[3] = {};
    SendMessageA(g_statusBar, SB_GETPARTS, 3, (LPARAM)edges);
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

// The kind of font the prefix under test gives a dialog: a list of
// "Title=kind" for dialogs whose title starts so, and the kind of all
// others ("About=outline,raster").
std::string ExpectedFontKind(const char* title)
{
    const char* list = getenv("TERNWICK_DIALOG_FONT");
    std::string kinds = list != NULL ? list : "", other;
    for (size_t start = 0; start < kinds.size();) {
        size_t end = kinds.find(',', start);
        end = end == std::string::npos ? kinds.size() : end;
        std::string entry = kinds.substr(start, end - start);
        size_t equals = entry.find('=');
        if (equals == std::string::npos)
            other = entry;
        else if (strncmp(title, entry.c_str(), equals) == 0)
            return entry.substr(equals + 1);
        start = end + 1;
    }
    return other;
}

// The font the dialog really got: raster or outline, as the prefix under
// test says, so a host whose fonts happen to fit cannot pass for another.
void ExpectFontKind(HWND dialog)
{
    char title[64];
    GetWindowTextA(dialog, title, sizeof title);
    std::string expected = ExpectedFontKind(title);
    if (expected.empty())
        return;
    TEXTMETRICA metrics = {};
    char face[LF_FACESIZE] = "";
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
            RECT a = ChildRectInDialog(dialog, first), b = ChildRectInDialog(dialog, second);
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &a, &b)) << "texts at " << a.left << "," << a.top
                                                       << " and " << b.left << "," << b.top;
            char text[64];
            GetWindowTextA(first, text, sizeof text);
            bool secondIsLink = (GetWindowLongA(second, GWL_STYLE) & SS_NOTIFY) != 0;
            if (secondIsLink && a.top == b.top && a.left < b.left) {
                EXPECT_GE(b.left, a.left + MeasureInFont(first, text)) << "link after " << text;
            }
        }
}

// Every text whole, every caption inside its button or frame, every control
// inside its group box and the dialog.
void ExpectDialogFits(HWND dialog)
{
    ExpectFontKind(dialog);
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

// The About box's pictures as drawn, at the scale of the bitmap each
// shows (the larger from twice the base DPI on): a few points of each
// drawing in their colours.
void ExpectPicturesDrawn(HWND dialog)
{
    struct Point { int control, baseHeight, x, y; COLORREF colour; };
    const Point points[] = {
        {IDC_LOGO, LOGO_SIZE, 0, 0, RGB(0xF8, 0xF8, 0xF4)},
        {IDC_LOGO, LOGO_SIZE, 30, 12, RGB(0x00, 0xB0, 0xC0)},
        {IDC_LOGO, LOGO_SIZE, 7, 7, RGB(0x40, 0x30, 0x20)},
        {IDC_DIVIDER, DIVIDER_HEIGHT, 100, 2, RGB(0xF8, 0xF8, 0xF4)},
        {IDC_DIVIDER, DIVIDER_HEIGHT, 100, 7, RGB(0x2F, 0x4F, 0x4F)},
        {IDC_DIVIDER, DIVIDER_HEIGHT, 12, 4, RGB(0x00, 0xC0, 0xC8)},
    };
    for (const Point& point : points) {
        HWND picture = GetDlgItem(dialog, point.control);
        if (picture == NULL)
            return;
        RECT rect;
        GetClientRect(picture, &rect);
        int scale = rect.bottom >= BITMAP_LARGE_SCALE * point.baseHeight ? BITMAP_LARGE_SCALE : 1;
        if (WindowDpi(dialog) >= BITMAP_LARGE_SCALE * BASE_DPI) {
            EXPECT_EQ(scale, BITMAP_LARGE_SCALE) << "picture " << point.control;
        }
        Canvas canvas = PrintIntoCanvas(picture, rect.right, rect.bottom);
        COLORREF drawn = GetPixel(canvas.dc, point.x * scale, point.y * scale);
        FreeCanvas(canvas);
        EXPECT_EQ(drawn, point.colour) << "picture " << point.control << " at " << point.x << ","
                                       << point.y << " scale " << scale;
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
// The fonts the controls had at twice the scale when the dialog closed.
std::vector<HGDIOBJ> g_scaledFonts;

std::vector<HGDIOBJ> ControlFonts(HWND dialog)
{
    std::vector<HGDIOBJ> fonts;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT))
        fonts.push_back((HGDIOBJ)SendMessageA(control, WM_GETFONT, 0, 0));
    return fonts;
}

// Fonts made for a scale are deleted once no control uses them.
void ExpectDeleted(const std::vector<HGDIOBJ>& fonts)
{
    for (HGDIOBJ font : fonts)
        EXPECT_EQ(GetObjectType(font), 0u) << g_opened.title << ": a scaled font was kept";
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

// The client area and every control's place in it.
std::vector<RECT> LayoutOf(HWND dialog)
{
    std::vector<RECT> layout(1);
    GetClientRect(dialog, &layout[0]);
    for (HWND control = GetWindow(dialog, GW_CHILD); control != NULL;
         control = GetWindow(control, GW_HWNDNEXT))
        layout.push_back(ChildRectInDialog(dialog, control));
    return layout;
}

void ExpectLayout(HWND dialog, const std::vector<RECT>& expected, const char* after)
{
    std::vector<RECT> layout = LayoutOf(dialog);
    ASSERT_EQ(layout.size(), expected.size());
    for (size_t i = 0; i < layout.size(); i++)
        EXPECT_TRUE(EqualRect(&layout[i], &expected[i]))
            << g_opened.title << " after " << after << ": " << (i == 0 ? "size" : "control ") << i;
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

// The dialog lies inside its monitor's work area, where it fits there.
void ExpectInWorkArea(HWND dialog)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_TRUE(Holds(monitor.rcWork, window)) << g_opened.title << " leaves the work area";
}

void CALLBACK CheckWhenOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA("#32770", g_opened.title);
    if (dialog == NULL || !IsWindowVisible(dialog))
        return;
    KillTimer(NULL, timer);
    ExpectDialogFits(dialog);
    ExpectPicturesDrawn(dialog);
    int dpi = WindowDpi(dialog);
    ExpectCharactersInProportion(dialog, dpi);
    std::vector<RECT> opened = LayoutOf(dialog);
    EXPECT_GE(opened[0].right * 5 * BASE_DPI, g_opened.client96.cx * 4 * dpi) << g_opened.title;
    EXPECT_GE(opened[0].bottom * 5 * BASE_DPI, g_opened.client96.cy * 4 * dpi) << g_opened.title;
    // A change to the same scale, with a control out of place and the box
    // too small, brings back the fitted layout; so does a change to twice
    // the scale and back.
    SetWindowPos(GetWindow(dialog, GW_CHILD), NULL, 3, 3, 5, 5, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(dialog, NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    POINT corner = {monitor.rcWork.right - 10, monitor.rcWork.bottom - 10};
    ChangeDpi(dialog, dpi, &corner);
    ExpectLayout(dialog, opened, "a change to the same scale");
    ExpectInWorkArea(dialog);
    ChangeDpi(dialog, 2 * dpi);
    ExpectCharactersInProportion(dialog, 2 * dpi);
    ExpectTextsApart(dialog);
    std::vector<HGDIOBJ> scaledFonts = ControlFonts(dialog);
    ChangeDpi(dialog, dpi);
    ExpectLayout(dialog, opened, "a change to twice the scale and back");
    ExpectDeleted(scaledFonts);
    ChangeDpi(dialog, 2 * dpi);
    g_scaledFonts = ControlFonts(dialog);
    g_opened.checked = true;
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Makes the system's status font half as large again for its lifetime,
// and puts the metrics back at its end: the session's Wine server keeps
// them.
class LargerStatusFont {
public:
    LargerStatusFont()
    {
        m_saved.cbSize = sizeof m_saved;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m_saved, &m_saved, 0);
        NONCLIENTMETRICSW larger = m_saved;
        larger.lfStatusFont.lfHeight = m_saved.lfStatusFont.lfHeight * 3 / 2;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof larger, &larger, 0);
    }
    ~LargerStatusFont()
    {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof m_saved, &m_saved, 0);
    }

private:
    NONCLIENTMETRICSW m_saved = {};
};

typedef CalculatorTest Fit;

TEST_F(Fit, DialogsHoldTheirTexts)
{
    struct Case { int command; Opened dialog; };
    const Case cases[] = {
        {CMD_ABOUT, {"About", 10, {638, 246}, false}},
        {CMD_HELP, {"Ternwick - Help", 8, {415, 187}, false}},
        {CMD_HISTORY, {"Ternwick - History", 8, {419, 283}, false}},
    };
    for (const Case& c : cases) {
        g_opened = c.dialog;
        SetTimer(NULL, 0, 20, CheckWhenOpen);
        SendCommand(c.command);
        for (int wait = 0; wait < 100 && !g_opened.checked; wait++) {
            PumpMessages();
            Sleep(20);
        }
        EXPECT_TRUE(g_opened.checked) << g_opened.title << " never opened";
        ExpectDeleted(g_scaledFonts);
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
        std::string digits, bitText;
        WorkOutWidestTexts(&digits, &bitText);
        TypeChars(digits);
        if (c.bin)
            SendMessageA(g_statusBar, SB_SETTEXTA, STATUS_PART_BIT, (LPARAM)bitText.c_str());
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

} // namespace

namespace {

// A font whose digits are all 5 pixels wide but the few a case names.
int WidthOfDigits(const char* text, const void* font)
{
    const char* wide = (const char*)font;
    int width = 0;
    for (; *text != 0; text++) {
        const char* found = strchr(wide, *text);
        width += found != NULL ? 6 + (int)(found - wide) : 5;
    }
    return width;
}

// The widest value is found whichever digit is widest: each case lists
// digits wider than the rest, the widest last.
TEST(StatusFit, WidestReadoutFollowsTheWidestDigits)
{
    struct Case { const char* wideDigits; uint64_t value; };
    const Case cases[] = {
        {"17F", 0xFFFFFF},
        {"03C", 0xCC63CC},
        {"0A", 0xAA50AA},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WidestPciValue(WidthOfDigits, c.wideDigits), c.value) << c.wideDigits;
}

} // namespace
