#include "statusbar/status_fit.h"

#include <commctrl.h>

#include "display/metrics.h"
#include "display/rows.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_texts.h"

namespace {

// A readout field: where it sits in the value, how many values it takes
// and how it prints them.
struct PciField {
    int shift;
    unsigned count;
    const char* format;
};
const PciField PCI_FIELDS[] = {{16, 256, "%02X"}, {11, 32, "%02X"}, {8, 8, "%X"}, {0, 256, "%02X"}};
const int BIT_COUNT = 64;
// The probe text: one glyph whose ink starts close to its origin.
const char PROBE_TEXT[] = "|";
const int PROBE_CELLS = 8;
// The room kept on each side of a part's text where it cannot be measured,
// at 96 DPI: a bound, wider than any status bar keeps.
const int BASE_STATUS_TEXT_INSET = 4;

// The client width the readout of the hexadecimal row alone needs (its
// spaces dropped).
int g_widthHexAlone = 0;
// The gap the bar keeps between two parts.
int g_partGap = 0;

int TextWidth(HDC dc, const char* text)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size.cx;
}

int TextWidthInDc(const char* text, const void* dc)
{
    return TextWidth((HDC)dc, text);
}

// One of the texts a part can show, by its number.
typedef void (*PartText)(int index, char* buffer, size_t size);

void DataWidthText(int index, char* buffer, size_t size)
{
    FormatDataWidthText(DataWidths[index], buffer, size);
}

// Every flag set, with any count of open parentheses.
void FlagsText(int openParens, char* buffer, size_t size)
{
    FormatFlagsText(openParens, FLAG_CF | FLAG_OF | FLAG_PF | FLAG_SF, buffer, size);
}

// The width of the widest of a part's texts numbered 0 to count-1.
int WidestText(HDC dc, PartText text, int count)
{
    int widest = 0;
    for (int index = 0; index < count; index++) {
        char buffer[32];
        text(index, buffer, sizeof buffer);
        int width = TextWidth(dc, buffer);
        widest = width > widest ? width : widest;
    }
    return widest;
}

int MaxOf(int a, int b)
{
    return a > b ? a : b;
}

// The widest text a selected field shows: 64 bits in hex alone or 16 bits
// in hex and decimal, at the top of the widest width, in every hex digit.
int WidestFieldReadout(HDC dc)
{
    const int ENDS[][2] = {{63, 0}, {63, 48}};
    int widest = 0;
    for (uint64_t digit = 0; digit < 16; digit++)
        for (const auto& ends : ENDS) {
            char text[100];
            FormatFieldReadout(digit * 0x1111111111111111ull, ends[0], ends[1], text, sizeof text);
            widest = MaxOf(widest, TextWidth(dc, text));
        }
    return widest;
}

// A probe drawing: its context and the pixels of its bitmap, row after row
// from the top, read straight from memory.
struct Probe {
    HDC dc;
    const DWORD* pixels;
};

// The first column of a drawing in which the two differ; -1 when none does.
int FirstDifferentColumn(Probe first, Probe second, SIZE size)
{
    for (int x = 0; x < size.cx; x++)
        for (int y = 0; y < size.cy; y++)
            if (first.pixels[y * size.cx + x] != second.pixels[y * size.cx + x])
                return x;
    return -1;
}

// Draws into a white 32-bit bitmap of the probe's size: a status text when
// status is set, else the bare glyph at x 0.
Probe DrawProbe(HFONT font, SIZE size, const char* text, bool status)
{
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* pixels = NULL;
    Probe probe = {CreateCompatibleDC(NULL), NULL};
    HBITMAP bitmap = CreateDIBSection(probe.dc, &format, DIB_RGB_COLORS, &pixels, NULL, 0);
    if (bitmap == NULL)
        return probe;
    SelectObject(probe.dc, bitmap);
    SelectObject(probe.dc, font);
    RECT all = {0, 0, size.cx, size.cy};
    FillRect(probe.dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SetBkMode(probe.dc, TRANSPARENT);
    if (status)
        DrawStatusTextA(probe.dc, &all, text, 0);
    else
        TextOutA(probe.dc, 0, 0, text, lstrlenA(text));
    GdiFlush();
    probe.pixels = (const DWORD*)pixels;
    return probe;
}

// The font stays the caller's; the bitmap goes with the context.
void FreeProbe(Probe probe)
{
    HGDIOBJ bitmap = GetCurrentObject(probe.dc, OBJ_BITMAP);
    DeleteDC(probe.dc);
    if (probe.pixels != NULL)
        DeleteObject(bitmap);
}

// The columns at the right end of a drawn status text that the control
// keeps for its border: those that differ from the part's middle.
int RightBorderWidth(Probe probe, SIZE size)
{
    const DWORD* middleRow = probe.pixels + size.cy / 2 * size.cx;
    DWORD inside = middleRow[size.cx / 2];
    int width = 0;
    while (width < size.cx / 2 && middleRow[size.cx - 1 - width] != inside)
        width++;
    return width;
}

// The room kept on each side of a part's text. The system draws a status
// text with and without a glyph: the first column where they differ, less
// the glyph's own left bearing, is the border and padding on the left. The
// same room is kept on the right, so a text ends as far from its part's
// edge as it starts from the part's beginning; it holds the border drawn
// at the right end.
TextRoom MeasureTextRoom(HFONT font, int fontHeight)
{
    SIZE size = {PROBE_CELLS * fontHeight, 2 * fontHeight};
    const Probe probes[] = {DrawProbe(font, size, "", true), DrawProbe(font, size, PROBE_TEXT, true),
                            DrawProbe(font, size, "", false),
                            DrawProbe(font, size, PROBE_TEXT, false)};
    TextRoom room = {ScaleToDpi(BASE_STATUS_TEXT_INSET), ScaleToDpi(BASE_STATUS_TEXT_INSET)};
    bool drawn = true;
    for (const Probe& probe : probes)
        drawn = drawn && probe.pixels != NULL;
    if (drawn) {
        int textStart = FirstDifferentColumn(probes[0], probes[1], size);
        int bearing = FirstDifferentColumn(probes[2], probes[3], size);
        int left = textStart - bearing;
        if (textStart >= 0 && bearing >= 0 && left >= RightBorderWidth(probes[0], size))
            room = TextRoom{left, left};
    }
    for (const Probe& probe : probes)
        FreeProbe(probe);
    return room;
}

} // namespace

// Every value of every field is tried, so the readout of that value is the
// widest there is whichever digit the font draws widest.
uint64_t WidestPciValue(TextWidthFunction textWidth, const void* dc)
{
    uint64_t value = 0;
    for (const PciField& field : PCI_FIELDS) {
        unsigned widest = 0;
        int widestWidth = -1;
        for (unsigned candidate = 0; candidate < field.count; candidate++) {
            char digits[8];
            FormatStatusText(digits, sizeof digits, field.format, candidate);
            int width = textWidth(digits, dc);
            if (width > widestWidth) {
                widest = candidate;
                widestWidth = width;
            }
        }
        value |= (uint64_t)widest << field.shift;
    }
    return value;
}

void FitStatusPartsToTexts(HWND statusBar)
{
    HFONT font = (HFONT)SendMessageA(statusBar, WM_GETFONT, 0, 0);
    if (font == NULL)
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    HDC dc = GetDC(statusBar);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    char readout[100];
    FormatPciReadout(WidestPciValue(TextWidthInDc, dc), readout, sizeof readout);
    int readoutWidth = MaxOf(TextWidth(dc, readout), WidestFieldReadout(dc));
    int widths[STATUS_PART_COUNT] = {readoutWidth,
                                     WidestText(dc, DataWidthText, DATA_WIDTH_COUNT),
                                     WidestText(dc, FormatBitReadout, BIT_COUNT),
                                     WidestText(dc, FlagsText, MAX_OPEN_PARENS + 1)};
    int hexAloneWidth = TextWidth(dc, readout + LEADING_SPACES);
    TextRoom room = MeasureTextRoom(font, metrics.tmHeight);
    SelectObject(dc, previous);
    ReleaseDC(statusBar, dc);

    int borders[3] = {};
    SendMessageA(statusBar, SB_GETBORDERS, 0, (LPARAM)borders);
    UpdateStatusPartEdges(widths, room, borders[2]);
    g_widthHexAlone = room.left + hexAloneWidth + room.right;
    g_partGap = borders[2];
}

int StatusTextsWidth()
{
    if (!IsStatusBarShown())
        return 0;
    int edges[STATUS_PART_COUNT];
    return edges[StatusPartEdges(edges, true) - 1];
}

int StatusPartEdges(int edges[], bool flagsShown)
{
    int parts = 2;
    if (IsRowVisible(ROW_BIN)) {
        parts = STATUS_PART_COUNT;
        for (int i = 0; i < STATUS_PART_COUNT; i++)
            edges[i] = g_metrics.statusEdges[i];
    } else {
        edges[0] = IsHexRowAlone() ? g_widthHexAlone : g_metrics.statusEdges[STATUS_PART_PCI];
        // The flags part takes the room it takes after the bit readout.
        const int* all = g_metrics.statusEdges;
        edges[1] = edges[0] + all[STATUS_PART_FLAGS] - all[STATUS_PART_BIT];
    }
    if (!flagsShown)
        edges[parts - 1] = edges[parts - 2] + g_partGap;
    return parts;
}
