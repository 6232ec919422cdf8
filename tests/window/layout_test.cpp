// Window size, menu marks, status bar and painted pixels for every set of
// visible rows.
#include "calculator.h"

#include "display/layout.h"
#include "display/rows.h"
#include "engine/format.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

struct RowSet {
    const char* name;
    bool hex, dec, bin;
    int fieldWidth, clientWidth, clientHeight;
    // With the status bar: the readout's widest text may need more.
    int statusClientWidth;
};

const RowSet ROW_SETS[] = {
    {"Hex Dec Bin", true, true, true, 79, 682, 77, 682},
    {"Hex Dec", true, true, false, 27, 266, 52, 333},
    {"Hex Bin", true, false, true, 79, 682, 52, 682},
    {"Dec Bin", false, true, true, 79, 682, 52, 682},
    // "Bus=AA  |  Dev=0A  |  Func=0  |  Reg=AA" is 215 pixels wide in Wine's
    // status font, with 4 pixels of room on each side; the flags part
    // after it takes 92 more ("(32  CF OF PF SF", its room and the gap).
    {"Hex", true, false, false, 19, 202, 27, 315},
    {"Dec", false, true, false, 27, 266, 27, 333},
    {"Bin", false, false, true, 79, 682, 27, 682},
};

// The outer size the window must have: the client size framed the way the
// platform frames an overlapped window with a menu, plus the status bar.
SIZE ExpectedOuterSize(int clientWidth, int clientHeight, bool withStatusBar)
{
    RECT rect = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, TRUE);
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    if (withStatusBar)
        size.cy += g_statusBarHeight;
    return size;
}

bool Checked(int command) { return (MenuState(command) & MF_CHECKED) != 0; }
bool Greyed(int command) { return (MenuState(command) & MF_GRAYED) != 0; }

typedef CalculatorTest Layout;

TEST_F(Layout, OpensAtItsPositionWithTitleAndFixedFrame)
{
    POINT position = OuterPosition();
    EXPECT_EQ(position.x, 10);
    EXPECT_EQ(position.y, 10);
    char title[100];
    GetWindowTextA(g_mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "Ternwick (v0.06.00 - Beta)");
    LONG_PTR style = GetWindowLongPtrA(g_mainWindow, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    char className[100];
    GetClassNameA(g_mainWindow, className, sizeof className);
    EXPECT_STREQ(className, "KESTRO");
}

TEST_F(Layout, WindowFitsEveryRowSetWithAndWithoutStatusBar)
{
    for (const RowSet& set : ROW_SETS) {
        for (bool statusBar : {true, false}) {
            StopCalculator();
            StartCalculator();
            ShowRows(set.hex, set.dec, set.bin);
            if (!statusBar)
                SendCommand(CMD_STATUS_BAR);
            int clientWidth = statusBar ? set.statusClientWidth : set.clientWidth;
            SIZE expected = ExpectedOuterSize(clientWidth, set.clientHeight, statusBar);
            SIZE actual = OuterSize();
            EXPECT_EQ(FieldWidth(), set.fieldWidth) << set.name;
            EXPECT_EQ(actual.cx, expected.cx) << set.name << " status bar " << statusBar;
            EXPECT_EQ(actual.cy, expected.cy) << set.name << " status bar " << statusBar;
            POINT position = OuterPosition();
            EXPECT_EQ(position.x, 10) << set.name;
            EXPECT_EQ(position.y, 10) << set.name;
        }
    }
}

TEST_F(Layout, StatusBarToggleChangesOnlyTheHeight)
{
    SIZE shown = OuterSize();
    ASSERT_GT(g_statusBarHeight, 0);
    SendCommand(CMD_STATUS_BAR);
    SIZE hidden = OuterSize();
    EXPECT_EQ(hidden.cx, shown.cx);
    EXPECT_EQ(hidden.cy, shown.cy - g_statusBarHeight);
    EXPECT_EQ(g_statusBar, (HWND)NULL);
    EXPECT_EQ(FieldWidth(), 79);
    SendCommand(CMD_STATUS_BAR);
    SendCommand(CMD_STATUS_BAR);
    SendCommand(CMD_STATUS_BAR);
    EXPECT_EQ(OuterSize().cy, shown.cy);
    EXPECT_NE(g_statusBar, (HWND)NULL);
}

TEST_F(Layout, BinaryRowWidensAndNarrowsInPlace)
{
    ShowRows(true, true, false);
    SIZE narrow = OuterSize();
    SendCommand(CMD_VIEW_BIN);
    SIZE wide = OuterSize();
    EXPECT_EQ(wide.cx - narrow.cx, 682 - 333);
    POINT position = OuterPosition();
    EXPECT_EQ(position.x, 10);
    EXPECT_EQ(position.y, 10);
    SendCommand(CMD_VIEW_BIN);
    EXPECT_EQ(OuterSize().cx, narrow.cx);
}

TEST_F(Layout, ViewMenuMarksFollowTheVisibleRows)
{
    for (const RowSet& set : ROW_SETS) {
        StopCalculator();
        StartCalculator();
        ShowRows(set.hex, set.dec, set.bin);
        EXPECT_EQ(Checked(CMD_VIEW_HEX), set.hex) << set.name;
        EXPECT_EQ(Checked(CMD_VIEW_DEC), set.dec) << set.name;
        EXPECT_EQ(Checked(CMD_VIEW_BIN), set.bin) << set.name;
        int visible = set.hex + set.dec + set.bin;
        EXPECT_EQ(Greyed(CMD_VIEW_HEX), visible == 1 && set.hex) << set.name;
        EXPECT_EQ(Greyed(CMD_VIEW_DEC), visible == 1 && set.dec) << set.name;
        EXPECT_EQ(Greyed(CMD_VIEW_BIN), visible == 1 && set.bin) << set.name;
        EXPECT_TRUE(Checked(CMD_STATUS_BAR)) << set.name;
        EXPECT_FALSE(Greyed(CMD_STATUS_BAR)) << set.name;
    }
    SendCommand(CMD_STATUS_BAR);
    EXPECT_FALSE(Checked(CMD_STATUS_BAR));
}

TEST_F(Layout, StatusBarPartsFollowTheBinaryRow)
{
    const std::string readout = "      Bus=00  |  Dev=00  |  Func=0  |  Reg=00";
    for (const RowSet& set : ROW_SETS) {
        StopCalculator();
        StartCalculator();
        ShowRows(set.hex, set.dec, set.bin);
        EXPECT_EQ(StatusPartCount(), set.bin ? 4 : 2) << set.name;
        bool hexAlone = set.hex && !set.dec && !set.bin;
        EXPECT_EQ(StatusText(0), hexAlone ? readout.substr(6) : readout) << set.name;
        if (set.bin) {
            EXPECT_EQ(StatusText(1), "      Data Width = 64") << set.name;
        }
    }
}

TEST_F(Layout, PciReadoutDecodesTheShownValue)
{
    struct Case { std::string keys; std::string readout; };
    const Case cases[] = {
        {"12345678", "      Bus=34  |  Dev=0A  |  Func=6  |  Reg=78"},
        {"0~", "      Bus=FF  |  Dev=1F  |  Func=7  |  Reg=FF"},
        {"FFFF000000", "      Bus=00  |  Dev=00  |  Func=0  |  Reg=00"},
        {"12+34", "      Bus=00  |  Dev=00  |  Func=0  |  Reg=34"},
        {"12+34=", "      Bus=00  |  Dev=00  |  Func=0  |  Reg=46"},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        TypeChars(c.keys);
        EXPECT_EQ(StatusText(0), c.readout) << c.keys;
    }
}

TEST_F(Layout, ShowingTheBinaryRowAgainBringsBackEveryPart)
{
    SendCommand(CMD_VIEW_BIN);
    EXPECT_EQ(StatusPartCount(), 2);
    SendCommand(CMD_VIEW_BIN);
    EXPECT_EQ(StatusPartCount(), 4);
    EXPECT_EQ(StatusText(1), "      Data Width = 64");
    EXPECT_EQ(StatusText(2), "");
}

} // namespace
