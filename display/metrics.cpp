#include "display/metrics.h"

#include "app/system_dlls.h"
#include "display/layout.h"

namespace {

// Base values at 96 DPI beyond those of display/layout.h.
const int BASE_FONT_HEIGHT = 13;
const int BASE_HIGHLIGHT_LEFT = 2;
const int BASE_HIGHLIGHT_TOP = 4;
const int BASE_HIGHLIGHT_MARGIN = 5;
const int BASE_BAND_MARGIN = 5;
const int BASE_HOVER_TOP = 3;
const int BASE_BOTTOM_MARGIN = 2;
// The flags part has no usual width: its text alone sets it.
const int BASE_STATUS_EDGES[STATUS_PART_COUNT] = {240, 368, 440, 0};
const int VALUE_CELLS = 5;
const char DIGIT_RUN[] = "0123456789";
const int DIGIT_RUN_LENGTH = 10;

// At 96 DPI the rows use the stock fixed font; at any other DPI a TrueType
// fixed-pitch font of about 8 * DPI / 96 pixel cells, made once per DPI.
HFONT g_scaledRowFont = NULL;

typedef UINT(WINAPI* GetDpiForWindowFunction)(HWND);
typedef HRESULT(WINAPI* GetDpiForMonitorFunction)(HMONITOR, int, UINT*, UINT*);
// The monitor's effective DPI, as GetDpiForMonitor names it.
const int MDT_EFFECTIVE = 0;
typedef BOOL(WINAPI* AdjustWindowRectExForDpiFunction)(RECT*, DWORD, BOOL, DWORD, UINT);

int ScreenDpi()
{
    HDC screen = GetDC(NULL);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    return dpi > 0 ? dpi : BASE_DPI;
}

HFONT MakeRowFont(int dpi)
{
    return CreateFontA(-MulDiv(BASE_FONT_HEIGHT, dpi, BASE_DPI), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                       FALSE, ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, "Courier New");
}

void ReplaceRowFont(int dpi)
{
    if (g_scaledRowFont != NULL && g_metrics.dpi == dpi)
        return;
    ReleaseRowFont();
    if (dpi != BASE_DPI)
        g_scaledRowFont = MakeRowFont(dpi);
}

// The cell is the real advance of a digit, never the font's average width.
void MeasureRowFont()
{
    HDC screen = GetDC(NULL);
    HGDIOBJ previous = SelectObject(screen, RowFont());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SIZE run = {};
    GetTextExtentPoint32A(screen, DIGIT_RUN, DIGIT_RUN_LENGTH, &run);
    SelectObject(screen, previous);
    ReleaseDC(NULL, screen);
    g_metrics.fontHeight = metrics.tmHeight > 0 ? metrics.tmHeight : BASE_FONT_HEIGHT;
    g_metrics.cellWidth = run.cx >= DIGIT_RUN_LENGTH ? run.cx / DIGIT_RUN_LENGTH : CHAR_WIDTH;
}

} // namespace

LayoutMetrics g_metrics = {BASE_DPI, CHAR_WIDTH, BASE_FONT_HEIGHT, ROW_HEIGHT, FIRST_ROW_Y,
                           VALUE_X, LABEL_X, BASE_HIGHLIGHT_LEFT, BASE_HIGHLIGHT_TOP,
                           HIGHLIGHT_BOTTOM, BASE_HIGHLIGHT_MARGIN, BASE_BAND_MARGIN,
                           BASE_HOVER_TOP, HIGHLIGHT_BOTTOM + BASE_HOVER_TOP, BASE_BOTTOM_MARGIN,
                           {240, 368, 440}};

int ScaleToDpi(int value)
{
    return MulDiv(value, g_metrics.dpi, BASE_DPI);
}

// Windows 8.1 lacks GetDpiForWindow and sends no WM_DPICHANGED to a window
// made on a screen of another scale than the system's: the window takes
// its screen's scale from GetDpiForMonitor. Windows 10 and later never
// load its DLL.
int MonitorDpi(HWND window)
{
    const GetDpiForMonitorFunction getDpiForMonitor =
        LookUpSystemFunction<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor == NULL ||
        getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE,
                         &dpiX, &dpiY) != S_OK)
        return 0;
    return (int)dpiY;
}

int WindowDpi(HWND window)
{
    if (window == NULL)
        return ScreenDpi();
    const GetDpiForWindowFunction getDpiForWindow =
        LookUpSystemFunction<GetDpiForWindowFunction>("user32.dll", "GetDpiForWindow");
    int dpi = getDpiForWindow != NULL ? (int)getDpiForWindow(window) : MonitorDpi(window);
    return dpi != 0 ? dpi : ScreenDpi();
}

// Heights follow the font's height and the DPI, widths the measured cell.
void UpdateLayoutMetrics(int dpi)
{
    ReplaceRowFont(dpi);
    g_metrics.dpi = dpi;
    MeasureRowFont();
    LayoutMetrics& m = g_metrics;
    m.rowHeight = m.fontHeight + ScaleToDpi(ROW_HEIGHT - BASE_FONT_HEIGHT);
    m.firstRowY = ScaleToDpi(FIRST_ROW_Y);
    m.valueX = VALUE_CELLS * m.cellWidth;
    m.labelX = ScaleToDpi(LABEL_X);
    m.highlightLeft = ScaleToDpi(BASE_HIGHLIGHT_LEFT);
    m.highlightTop = ScaleToDpi(BASE_HIGHLIGHT_TOP);
    m.highlightBottom = m.fontHeight + ScaleToDpi(HIGHLIGHT_BOTTOM - BASE_FONT_HEIGHT);
    m.highlightMargin = ScaleToDpi(BASE_HIGHLIGHT_MARGIN);
    m.bandMargin = ScaleToDpi(BASE_BAND_MARGIN);
    m.hoverTop = ScaleToDpi(BASE_HOVER_TOP);
    m.hoverHeight = m.highlightBottom + m.hoverTop;
    m.bottomMargin = ScaleToDpi(BASE_BOTTOM_MARGIN);
    for (int i = 0; i < STATUS_PART_COUNT; i++)
        m.statusEdges[i] = ScaleToDpi(BASE_STATUS_EDGES[i]);
}

// Each edge is the larger of the scaled base edge and what the part's text
// needs after the edge before it: the text and the room around it. The
// flags part has no base edge, so it ends where its widest text does.
void UpdateStatusPartEdges(const int textWidths[STATUS_PART_COUNT], TextRoom room, int gap)
{
    int left = 0;
    for (int i = 0; i < STATUS_PART_COUNT; i++) {
        int textEnd = left + room.left + textWidths[i] + room.right;
        int edge = ScaleToDpi(BASE_STATUS_EDGES[i]);
        g_metrics.statusEdges[i] = edge > textEnd ? edge : textEnd;
        left = g_metrics.statusEdges[i] + gap;
    }
}

HFONT RowFont()
{
    return g_scaledRowFont != NULL ? g_scaledRowFont : (HFONT)GetStockObject(ANSI_FIXED_FONT);
}

void ReleaseRowFont()
{
    if (g_scaledRowFont != NULL)
        DeleteObject(g_scaledRowFont);
    g_scaledRowFont = NULL;
}

// Band 0 starts at the top of the client area; the last band reaches down
// to visibleRows' end, which callers cap where the status bar begins.
RowBand RowBandAt(int position, int visibleRows)
{
    const LayoutMetrics& m = g_metrics;
    RowBand band;
    band.textY = m.firstRowY + position * m.rowHeight;
    band.top = position == 0 ? 0 : band.textY - m.bandMargin;
    band.bottom = position + 1 >= visibleRows ? 0x7FFF : band.textY + m.rowHeight - m.bandMargin;
    return band;
}

int BandAtY(int y, int visibleRows)
{
    int position = 0;
    while (position + 1 < visibleRows && y >= RowBandAt(position, visibleRows).bottom)
        position++;
    return position;
}

void AdjustFrameForDpi(RECT* rect)
{
    const AdjustWindowRectExForDpiFunction adjustForDpi =
        LookUpSystemFunction<AdjustWindowRectExForDpiFunction>("user32.dll",
                                                               "AdjustWindowRectExForDpi");
    if (adjustForDpi != NULL)
        adjustForDpi(rect, WS_OVERLAPPEDWINDOW, TRUE, 0, (UINT)g_metrics.dpi);
    else
        AdjustWindowRect(rect, WS_OVERLAPPEDWINDOW, TRUE);
}
