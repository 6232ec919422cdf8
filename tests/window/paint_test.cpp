// The rows as painted: PaintRows draws into a white memory bitmap and the
// test reads its pixels.
#include "calculator.h"
#include "canvas.h"
#include "colour_scheme.h"

#include <algorithm>

#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

const int CANVAS_WIDTH = 720;
const int CANVAS_HEIGHT = 100;

// The rightmost inked column of a row's value text, inside the highlight.
int LastInkColumn(const Canvas& canvas, int textY)
{
    for (int x = VALUE_X + g_highlightWidth - 2; x >= VALUE_X; x--)
        for (int y = textY; y < textY + HIGHLIGHT_BOTTOM - 3; y++)
            if (IsInk(canvas, x, y))
                return x;
    return -1;
}

typedef CalculatorTest Painting;

TEST_F(Painting, HighlightFramesTheActiveRowOnly)
{
    struct Case { bool hex, dec, bin; RowIndex active; int activeY; int right; };
    const Case cases[] = {
        {true, true, true, ROW_DEC, 32, 677},
        {true, true, true, ROW_HEX, 7, 677},
        {true, true, true, ROW_BIN, 57, 677},
        {true, false, false, ROW_HEX, 7, 197},
        {true, true, false, ROW_DEC, 32, 261},
        {false, true, true, ROW_BIN, 32, 677},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        ShowRows(c.hex, c.dec, c.bin);
        SendCommand(SelectCommand(c.active));
        Canvas canvas = PaintIntoCanvas(CANVAS_WIDTH, CANVAS_HEIGHT);
        int top = c.activeY - 4, bottom = c.activeY + 17;
        // Rectangle() covers left..right-1 and top..bottom-1.
        EXPECT_TRUE(IsInk(canvas, 38, top)) << "row " << c.active;
        EXPECT_TRUE(IsInk(canvas, c.right - 1, top)) << "row " << c.active;
        EXPECT_TRUE(IsInk(canvas, 38, bottom - 1)) << "row " << c.active;
        EXPECT_TRUE(IsInk(canvas, c.right - 1, bottom - 1)) << "row " << c.active;
        EXPECT_FALSE(IsInk(canvas, 37, top)) << "row " << c.active;
        EXPECT_FALSE(IsInk(canvas, c.right, bottom - 1)) << "row " << c.active;
        EXPECT_FALSE(IsInk(canvas, 38, bottom)) << "row " << c.active;
        for (int y = 7; y < 7 + 25 * VisibleRowCount(); y += 25) {
            if (y != c.activeY) {
                EXPECT_FALSE(IsInk(canvas, 38, y - 4)) << "row at y " << y;
            }
        }
        FreeCanvas(canvas);
    }
}

TEST_F(Painting, LastDigitsOfAllRowsShareOneColumn)
{
    struct Case { bool hex, dec, bin; const char* keys; };
    const Case cases[] = {
        {true, true, true, "1"},
        {true, true, true, "0"},
        {true, true, false, "1"},
        {false, true, true, "0"},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        ShowRows(c.hex, c.dec, c.bin);
        TypeChars(c.keys);
        Canvas canvas = PaintIntoCanvas(CANVAS_WIDTH, CANVAS_HEIGHT);
        int first = LastInkColumn(canvas, FIRST_ROW_Y);
        EXPECT_GT(first, VALUE_X) << c.keys;
        for (int i = 1; i < VisibleRowCount(); i++) {
            EXPECT_EQ(LastInkColumn(canvas, FIRST_ROW_Y + i * ROW_HEIGHT), first)
                << "row " << i << " value " << c.keys;
        }
        FreeCanvas(canvas);
    }
}

// With the hexadecimal row alone the field is 19 cells: 0 is drawn as 18
// spaces and the digit, whose cell starts at 40 + 18 * 8.
TEST_F(Painting, ZeroStandsInTheLastCellOfTheNarrowestField)
{
    ShowRows(true, false, false);
    Canvas canvas = PaintIntoCanvas(CANVAS_WIDTH, CANVAS_HEIGHT);
    int lastCell = VALUE_X + 18 * CHAR_WIDTH;
    int last = LastInkColumn(canvas, FIRST_ROW_Y);
    EXPECT_GE(last, lastCell);
    EXPECT_LT(last, lastCell + CHAR_WIDTH);
    for (int x = VALUE_X; x < lastCell; x++)
        for (int y = FIRST_ROW_Y; y < FIRST_ROW_Y + 13; y++)
            ASSERT_FALSE(IsInk(canvas, x, y)) << "ink at " << x << "," << y;
    FreeCanvas(canvas);
}

TEST_F(Painting, LabelsStandAtTheLeftOfEachRow)
{
    ShowRows(false, true, true);
    Canvas canvas = PaintIntoCanvas(CANVAS_WIDTH, CANVAS_HEIGHT);
    for (int y : {FIRST_ROW_Y, FIRST_ROW_Y + ROW_HEIGHT}) {
        bool inked = false;
        for (int x = LABEL_X; x < LABEL_X + 24; x++)
            for (int dy = 0; dy < 12; dy++)
                inked = inked || IsInk(canvas, x, y + dy);
        EXPECT_TRUE(inked) << "label at y " << y;
    }
    bool thirdRowInked = false;
    for (int x = LABEL_X; x < VALUE_X; x++)
        for (int dy = 0; dy < 12; dy++)
            thirdRowInked = thirdRowInked || IsInk(canvas, x, FIRST_ROW_Y + 2 * ROW_HEIGHT + dy);
    EXPECT_FALSE(thirdRowInked);
    FreeCanvas(canvas);
}

// Under a white on black scheme the rows are white on black: the window
// colour behind them and inside the highlight, the text colour for the
// text and the frame, and nothing else but greys blended of the two.
TEST_F(Painting, RowsTakeTheUsersColours)
{
    ColourScheme scheme({{COLOR_WINDOW, RGB(0, 0, 0)}, {COLOR_WINDOWTEXT, RGB(255, 255, 255)}});
    Canvas canvas = PaintIntoCanvas(CANVAS_WIDTH, CANVAS_HEIGHT);
    std::vector<COLORREF> pixels = ReadPixels(canvas, CANVAS_WIDTH, CANVAS_HEIGHT);
    FreeCanvas(canvas);
    size_t text = 0, other = 0;
    for (COLORREF pixel : pixels) {
        text += pixel == RGB(255, 255, 255);
        other += GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel);
    }
    EXPECT_EQ(pixels[(FIRST_ROW_Y + 2) * CANVAS_WIDTH + VALUE_X], RGB(0, 0, 0));
    EXPECT_GT(text, 0u);
    EXPECT_LT(text * 10, pixels.size()) << "most of the rows must be the window colour";
    EXPECT_EQ(other, 0u);

    // The status bar keeps its own copy of the text colour: a change while
    // the window is open reaches it through the window.
    const COLORREF STATUS_TEXT = RGB(255, 0, 0);
    ColourScheme statusText({{COLOR_BTNTEXT, STATUS_TEXT}});
    SendMessageA(g_mainWindow, WM_SYSCOLORCHANGE, 0, 0);
    RECT bar;
    GetClientRect(g_statusBar, &bar);
    canvas = PrintIntoCanvas(g_statusBar, bar.right, bar.bottom);
    pixels = ReadPixels(canvas, bar.right, bar.bottom);
    FreeCanvas(canvas);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), STATUS_TEXT), 0);
}

} // namespace
