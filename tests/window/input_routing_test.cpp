// Characters, keys and commands sent to the real main window procedure.
#include "calculator.h"

#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"

namespace {

const std::string ESC(1, 27);
const std::string ENTER(1, 13);
const std::string TAB(1, 9);

struct TypingCase {
    RowIndex row;
    std::string chars;
    uint64_t shown;
    bool repaint;
};

typedef CalculatorTest InputRouting;

TEST_F(InputRouting, CharactersReachDigitEntryAndOperatorKeys)
{
    const TypingCase cases[] = {
        {ROW_BIN, "9", 0, true},
        {ROW_DEC, "F", 0, true},
        {ROW_HEX, "f", 15, true},
        {ROW_HEX, "A0", 0xA0, true},
        {ROW_HEX, "J", 0, false},
        {ROW_HEX, "g", 0, false},
        {ROW_HEX, "?", 0, false},
        {ROW_HEX, " ", 0, false},
        {ROW_HEX, "5k3=", 8, true},
        {ROW_HEX, "5j3=", 0xF, true},
        {ROW_HEX, "9m4=", 5, true},
        {ROW_HEX, "8o2=", 4, true},
        {ROW_HEX, "5+3" + ENTER, 8, true},
        {ROW_HEX, "2+3*4=", 0x14, true},
        {ROW_DEC, "5!", 0 - 5ull, true},
        {ROW_HEX, "5+3" + ESC, 5, true},
    };
    for (const TypingCase& c : cases) {
        StopCalculator();
        StartCalculator();
        SendCommand(SelectCommand(c.row));
        ValidateMainWindow();
        TypeChars(c.chars);
        EXPECT_EQ(ShownValue(), c.shown) << "typed \"" << c.chars << "\" in row " << c.row;
        EXPECT_EQ(RepaintPending(), c.repaint) << "typed \"" << c.chars << "\"";
    }
}

TEST_F(InputRouting, UpperCaseOperatorLettersAreIgnored)
{
    TypeChars("5");
    ValidateMainWindow();
    TypeChars("JKMO");
    EXPECT_EQ(ShownValue(), 5u);
    EXPECT_EQ(g_calc.pendingOp, OP_ADD);
    EXPECT_FALSE(RepaintPending());
}

TEST_F(InputRouting, TabAndArrowsWalkTheVisibleRows)
{
    struct Step { std::string how; RowIndex expected; };
    const Step steps[] = {
        {"tab", ROW_DEC}, {"tab", ROW_BIN}, {"tab", ROW_HEX},
        {"up", ROW_BIN}, {"up", ROW_DEC}, {"down", ROW_BIN}, {"down", ROW_HEX},
    };
    for (const Step& step : steps) {
        if (step.how == "tab") TypeChars(TAB);
        else PressKey(step.how == "up" ? VK_UP : VK_DOWN);
        EXPECT_EQ(g_calc.activeRow, step.expected) << step.how;
        EXPECT_EQ(g_calc.activeRadix, RadixByRow[step.expected]);
    }
}

TEST_F(InputRouting, NavigationSkipsHiddenRows)
{
    SendCommand(CMD_VIEW_DEC);
    TypeChars(TAB);
    EXPECT_EQ(g_calc.activeRow, ROW_BIN);
    TypeChars(TAB);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    PressKey(VK_UP);
    EXPECT_EQ(g_calc.activeRow, ROW_BIN);
}

TEST_F(InputRouting, SingleVisibleRowStaysActive)
{
    SendCommand(CMD_VIEW_HEX);
    SendCommand(CMD_VIEW_BIN);
    ASSERT_EQ(g_calc.activeRow, ROW_DEC);
    TypeChars(TAB);
    PressKey(VK_UP);
    PressKey(VK_DOWN);
    EXPECT_EQ(g_calc.activeRow, ROW_DEC);
    EXPECT_EQ(g_calc.activeRadix, 10);
}

TEST_F(InputRouting, OtherKeysDoNothing)
{
    ValidateMainWindow();
    for (WPARAM key : {(WPARAM)VK_TAB, (WPARAM)VK_LEFT, (WPARAM)VK_RIGHT, (WPARAM)VK_F7,
                       (WPARAM)'A'}) {
        PressKey(key);
        EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    }
    EXPECT_FALSE(RepaintPending());
}

TEST_F(InputRouting, SelectingAHiddenRowChangesNothingButRefreshes)
{
    SendCommand(CMD_VIEW_BIN);
    ValidateMainWindow();
    SendCommand(CMD_SELECT_BIN);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    EXPECT_EQ(g_calc.activeRadix, 16);
    EXPECT_TRUE(RepaintPending());
}

TEST_F(InputRouting, HidingTheActiveRowMovesActivityOn)
{
    struct Case { RowIndex active; int hide; RowIndex expected; };
    const Case cases[] = {
        {ROW_BIN, CMD_VIEW_BIN, ROW_HEX},
        {ROW_HEX, CMD_VIEW_HEX, ROW_DEC},
        {ROW_HEX, CMD_VIEW_DEC, ROW_HEX},
        {ROW_DEC, CMD_VIEW_DEC, ROW_BIN},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        SendCommand(SelectCommand(c.active));
        SendCommand(c.hide);
        EXPECT_EQ(g_calc.activeRow, c.expected) << "active " << c.active << " hide " << c.hide;
        EXPECT_EQ(g_calc.activeRadix, RadixByRow[c.expected]);
    }
}

TEST_F(InputRouting, RowChangeContinuesTheNumber)
{
    TypeChars("1F");
    SendCommand(CMD_SELECT_DEC);
    TypeChars("5");
    EXPECT_EQ(ShownValue(), 315u);
}

TEST_F(InputRouting, TheLastVisibleRowCannotBeHidden)
{
    SendCommand(CMD_VIEW_DEC);
    SendCommand(CMD_VIEW_BIN);
    SendCommand(CMD_VIEW_HEX);
    EXPECT_TRUE(IsRowVisible(ROW_HEX));
    EXPECT_EQ(VisibleRowCount(), 1);
}

TEST_F(InputRouting, ClicksSelectTheRowOfTheirBand)
{
    struct Click { int hide; int y; RowIndex expected; };
    const Click clicks[] = {
        {0, 26, ROW_HEX}, {0, 27, ROW_DEC}, {0, 51, ROW_DEC}, {0, 52, ROW_BIN},
        {0, 0, ROW_HEX}, {0, 79, ROW_BIN},
        {CMD_VIEW_HEX, 10, ROW_DEC}, {CMD_VIEW_HEX, 30, ROW_BIN},
        {CMD_VIEW_DEC, 30, ROW_BIN}, {CMD_VIEW_BIN, 51, ROW_DEC}, {CMD_VIEW_BIN, 53, ROW_DEC},
    };
    for (const Click& c : clicks) {
        StopCalculator();
        StartCalculator();
        if (c.hide)
            SendCommand(c.hide);
        RECT client;
        GetClientRect(g_mainWindow, &client);
        for (int x : {0, 300, (int)client.right - 1}) {
            SendCommand(SelectCommand(NextVisibleRow(c.expected)));
            ClickAt(x, c.y);
            EXPECT_EQ(g_calc.activeRow, c.expected) << "hide " << c.hide << " y " << c.y;
        }
    }
}

} // namespace
