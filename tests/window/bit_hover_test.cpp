// The bit readout in the third status bar part, driven by mouse moves.
#include "calculator.h"

#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/bit_hover.h"
#include "statusbar/status_bar.h"

namespace {

void MoveMouse(int x, int y)
{
    SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

std::string BitText(int bit)
{
    char text[32];
    snprintf(text, sizeof text, "      Bit %2.2d", bit);
    return text;
}

// Runs the message loop for a while so that timers fire.
void RunLoopFor(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
}

typedef CalculatorTest BitHover;

TEST_F(BitHover, ColumnsNameTheirBits)
{
    TypeChars("0~");
    const int bandY = 54 + 10;
    struct Case { int x; int bit; };
    const Case cases[] = {
        {32, -1}, {33, 63}, {39, 63}, {40, 63}, {47, 63}, {48, 62},
        {72, -1}, {79, -1}, {80, 59}, {624, 4}, {631, 4},
        {664, 0}, {671, 0}, {672, -1}, {900, -1},
    };
    for (const Case& c : cases) {
        MoveMouse(c.x, bandY);
        EXPECT_EQ(StatusText(STATUS_PART_BIT), c.bit < 0 ? " " : BitText(c.bit)) << "x " << c.x;
    }
}

TEST_F(BitHover, OnlyDrawnDigitsAreNamed)
{
    TypeChars("10");
    MoveMouse(624, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(4));
    MoveMouse(616, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    TypeChars(std::string(1, 27));
    MoveMouse(664, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    MoveMouse(40, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
}

TEST_F(BitHover, BandEdgesFollowTheRowsAboveTheBinaryRow)
{
    struct Case { bool hex, dec; int top; };
    const Case cases[] = {{true, true, 54}, {true, false, 29}, {false, true, 29}, {false, false, 4}};
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        ShowRows(c.hex, c.dec, true);
        for (int y : {c.top - 1, c.top + 21}) {
            MoveMouse(664, y);
            EXPECT_EQ(StatusText(STATUS_PART_BIT), " ") << "top " << c.top << " y " << y;
            EXPECT_FALSE(g_hoverTimerActive) << "top " << c.top << " y " << y;
        }
        for (int y : {c.top, c.top + 20}) {
            MoveMouse(664, y);
            EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0)) << "top " << c.top << " y " << y;
        }
        EXPECT_TRUE(g_hoverTimerActive);
    }
}

TEST_F(BitHover, NothingIsWrittenWhileStatusBarOrBinaryRowIsHidden)
{
    SendCommand(CMD_VIEW_BIN);
    MoveMouse(664, 54);
    MoveMouse(664, 29);
    EXPECT_FALSE(g_hoverTimerActive);
    SendCommand(CMD_VIEW_BIN);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), "");
    SendCommand(CMD_STATUS_BAR);
    MoveMouse(664, 60);
    EXPECT_FALSE(g_hoverTimerActive);
}

TEST_F(BitHover, LosingCaptureBlanksTheReadoutButKeepsTheTimer)
{
    MoveMouse(664, 60);
    ASSERT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    SendMessageA(g_mainWindow, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    EXPECT_TRUE(g_hoverTimerActive);
}

TEST_F(BitHover, TimerClearsTheReadoutOnceTheCursorLeavesTheWindow)
{
    RECT window;
    GetWindowRect(g_mainWindow, &window);
    SetCursorPos(window.left + 100, window.bottom - 2);
    MoveMouse(664, 60);
    RunLoopFor(500);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    EXPECT_TRUE(g_hoverTimerActive);

    SetCursorPos(window.right + 50, window.bottom + 50);
    RunLoopFor(500);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    EXPECT_FALSE(g_hoverTimerActive);
}

} // namespace
