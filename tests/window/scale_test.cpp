// The window at 96, 144 and 192 DPI, reached the way Windows moves it to
// another scale: WM_DPICHANGED with the new DPI and a suggested rectangle.
#include "calculator.h"
#include "canvas.h"

#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>

#include <vector>

#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "statusbar/status_bar.h"

namespace {

const int DPIS[] = {96, 144, 192};

void ChangeDpi(int dpi)
{
    RECT suggested;
    GetWindowRect(g_mainWindow, &suggested);
    SendMessageA(g_mainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
}

// A point in the middle of the k-th visible row's text, x cells into the
// value.
POINT PointInRow(int position, int cells)
{
    RowBand band = RowBandAt(position, VisibleRowCount());
    POINT point = {g_metrics.valueX + cells * g_metrics.cellWidth + g_metrics.cellWidth / 2,
                   band.textY + g_metrics.fontHeight / 2};
    return point;
}

int TextWidthInStatusBar(const std::string& text)
{
    HDC dc = GetDC(g_statusBar);
    HGDIOBJ previous = SelectObject(dc, (HFONT)SendMessageA(g_statusBar, WM_GETFONT, 0, 0));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    SelectObject(dc, previous);
    ReleaseDC(g_statusBar, dc);
    return size.cx;
}

// The last column of ink in the binary row's text.
int LastInkOfBinaryRow(int width)
{
    RowBand band = RowBandAt(2, 3);
    Canvas canvas = PaintIntoCanvas(width, band.textY + g_metrics.rowHeight);
    int last = -1;
    for (int x = 0; x < width; x++)
        for (int y = band.textY; y < band.textY + g_metrics.fontHeight; y++)
            if (IsInk(canvas, x, y))
                last = x;
    FreeCanvas(canvas);
    return last;
}

// The flags of every move or resize of the main window.
WNDPROC g_mainWindowProc;
std::vector<UINT> g_moves;

LRESULT CALLBACK RecordMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED) {
        UINT flags = ((const WINDOWPOS*)lParam)->flags;
        if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            g_moves.push_back(flags);
    }
    return CallWindowProcA(g_mainWindowProc, window, message, wParam, lParam);
}

typedef CalculatorTest Scale;

TEST_F(Scale, NewScaleMovesAndSizesOnceWithoutActivating)
{
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL,
                                 NULL, NULL, NULL);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    PumpMessages();
    ASSERT_EQ(GetActiveWindow(), other);
    g_moves.clear();
    g_mainWindowProc =
        (WNDPROC)SetWindowLongPtrA(g_mainWindow, GWLP_WNDPROC, (LONG_PTR)RecordMoves);
    RECT suggested = {300, 200, 400, 300};
    int dpi = g_metrics.dpi == 144 ? 192 : 144;
    SendMessageA(g_mainWindow, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    PumpMessages();
    SetWindowLongPtrA(g_mainWindow, GWLP_WNDPROC, (LONG_PTR)g_mainWindowProc);
    ASSERT_EQ(g_moves.size(), 1u);
    EXPECT_EQ(g_moves[0] & (SWP_NOMOVE | SWP_NOSIZE), 0u);
    EXPECT_EQ(OuterPosition().x, 300);
    EXPECT_EQ(OuterPosition().y, 200);
    EXPECT_EQ(GetActiveWindow(), other);
    DestroyWindow(other);
}

// The fonts made for one scale are deleted when the next one replaces
// them (Wine counts no GDI objects, so each handle is asked instead).
TEST_F(Scale, FontsOfAnEarlierScaleAreDeleted)
{
    HGDIOBJ previous[2] = {};
    for (int dpi : {96, 144, 192, 96}) {
        ChangeDpi(dpi);
        HGDIOBJ current[2] = {RowFont(), (HGDIOBJ)SendMessageA(g_statusBar, WM_GETFONT, 0, 0)};
        for (int i = 0; i < 2; i++) {
            if (previous[i] != NULL && previous[i] != current[i] &&
                previous[i] != GetStockObject(ANSI_FIXED_FONT)) {
                EXPECT_EQ(GetObjectType(previous[i]), 0u)
                    << "font " << i << " of the scale before " << dpi;
            }
            previous[i] = current[i];
        }
    }
}

// The bar's least height follows the system's own DPI, so its growth shows
// where the system has 96.
TEST_F(Scale, StatusFontAndBarGrowWithTheDpi)
{
    HDC screen = GetDC(NULL);
    bool systemAt96 = GetDeviceCaps(screen, LOGPIXELSY) == 96;
    ReleaseDC(NULL, screen);
    int lastFont = 0, lastBar = 0;
    for (int dpi : DPIS) {
        ChangeDpi(dpi);
        LOGFONTA font = {};
        GetObjectA((HFONT)SendMessageA(g_statusBar, WM_GETFONT, 0, 0), sizeof font, &font);
        EXPECT_GT(abs(font.lfHeight), lastFont) << dpi;
        EXPECT_GT(g_statusBarHeight, systemAt96 ? lastBar : abs(font.lfHeight)) << dpi;
        lastFont = abs(font.lfHeight);
        lastBar = g_statusBarHeight;
    }
}

TEST_F(Scale, RowsFollowTheDpiAndFillTheHighlight)
{
    for (int dpi : DPIS) {
        ChangeDpi(dpi);
        int cell = g_metrics.cellWidth;
        EXPECT_NEAR(cell, 8 * dpi / 96, 8 * dpi / 96 / 4) << dpi;
        EXPECT_EQ(g_metrics.rowHeight, g_metrics.fontHeight + MulDiv(12, dpi, 96)) << dpi;
        RECT client;
        GetClientRect(g_mainWindow, &client);
        EXPECT_GE(client.right, g_metrics.valueX + 79 * cell) << dpi;
        // Sixty-four binary digits end within one cell of the highlight's
        // right edge, inside it.
        TypeChars("0~");
        int right = g_metrics.valueX + g_highlightWidth;
        int last = LastInkOfBinaryRow(right + 4 * cell);
        EXPECT_GT(last, right - 2 * cell) << dpi;
        EXPECT_LT(last, right) << dpi;
        TypeChars(std::string(1, 27));
    }
}

TEST_F(Scale, ClicksAndHoverHitWhatIsDrawn)
{
    for (int dpi : DPIS) {
        ChangeDpi(dpi);
        for (int position = 2; position >= 0; position--) {
            POINT point = PointInRow(position, 10);
            ClickAt(point.x, point.y);
            EXPECT_EQ(g_calc.activeRow, (RowIndex)position) << dpi;
        }
        TypeChars("0~");
        for (int bit : {63, 0}) {
            POINT point = PointInRow(2, 78 - (bit + bit / 4));
            SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
            char expected[32];
            snprintf(expected, sizeof expected, "      Bit %2.2d", bit);
            EXPECT_EQ(StatusText(STATUS_PART_BIT), expected) << dpi;
        }
        TypeChars(std::string(1, 27));
    }
}

TEST_F(Scale, EveryStatusTextFitsItsPart)
{
    TypeChars("0~");
    for (int dpi : DPIS) {
        ChangeDpi(dpi);
        SendMessageA(g_statusBar, SB_SETTEXTA, STATUS_PART_BIT, (LPARAM) "      Bit 63");
        for (int part = 0; part < StatusPartCount(); part++) {
            RECT rect;
            SendMessageA(g_statusBar, SB_GETRECT, part, (LPARAM)&rect);
            EXPECT_LE(TextWidthInStatusBar(StatusText(part)), rect.right - rect.left)
                << dpi << " part " << part << " '" << StatusText(part) << "'";
        }
    }
}

} // namespace
