// Key presses through the real message loop and the real accelerator table.
#include "calculator.h"

#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

typedef CalculatorTest Accelerators;

TEST_F(Accelerators, ControlKeysToggleRowsAndStatusBar)
{
    struct Case { WPARAM key; RowIndex row; };
    const Case cases[] = {{'B', ROW_BIN}, {'D', ROW_DEC}, {'H', ROW_HEX}};
    for (const Case& c : cases) {
        PressThroughLoop(c.key, CTRL);
        EXPECT_FALSE(IsRowVisible(c.row)) << (char)c.key;
        PressThroughLoop(c.key, CTRL);
        EXPECT_TRUE(IsRowVisible(c.row)) << (char)c.key;
    }
    PressThroughLoop('S', CTRL);
    EXPECT_FALSE(g_statusBarVisible);
    PressThroughLoop('S', CTRL);
    EXPECT_TRUE(g_statusBarVisible);
    EXPECT_EQ(ShownValue(), 0u);
}

TEST_F(Accelerators, FunctionKeysSelectRows)
{
    PressThroughLoop(VK_F8, NO_MODIFIER);
    EXPECT_EQ(g_calc.activeRow, ROW_BIN);
    PressThroughLoop(VK_F6, NO_MODIFIER);
    EXPECT_EQ(g_calc.activeRow, ROW_DEC);
    PressThroughLoop(VK_F5, NO_MODIFIER);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    PressThroughLoop(VK_F7, NO_MODIFIER);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
}

TEST_F(Accelerators, ControlHWithOnlyHexVisibleDoesNothing)
{
    ShowRows(true, false, false);
    TypeChars("12");
    PressThroughLoop('H', CTRL);
    EXPECT_TRUE(IsRowVisible(ROW_HEX));
    EXPECT_EQ(ShownValue(), 0x12u);
}

TEST_F(Accelerators, LettersWithoutControlAreDigits)
{
    PressThroughLoop('B', NO_MODIFIER);
    PressThroughLoop('D', NO_MODIFIER);
    EXPECT_EQ(ShownValue(), 0xBDu);
    EXPECT_TRUE(IsRowVisible(ROW_BIN));
    EXPECT_TRUE(IsRowVisible(ROW_DEC));
}

} // namespace
