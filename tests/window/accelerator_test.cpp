// Key presses through the real message loop and the real accelerator table.
#include "calculator.h"

#include "display/row_text.h"
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

std::string RowSpeech(RowIndex row)
{
    char speech[ROW_SPEECH_SIZE];
    FormatRowSpeech(row, speech, sizeof speech);
    return speech;
}

// Ctrl+U reads the Dec row unsigned and back, shown or hidden, as a reader
// and the painted row have it; its mark follows. Unsigned, the largest
// number of each width fits the field the signed row has.
TEST_F(Accelerators, ControlUReadsTheDecRowUnsigned)
{
    SendCommand(CMD_WIDTH_32);
    TypeChars("FFFFFFFF");
    for (bool decShown : {true, false}) {
        ShowRows(true, decShown, true);
        for (std::string expected : {"Dec 4,294,967,295", "Dec -1"}) {
            PressThroughLoop('U', CTRL);
            EXPECT_EQ(RowSpeech(ROW_DEC), expected) << decShown;
            EXPECT_EQ((MenuState(CMD_UNSIGNED_DEC) & MF_CHECKED) != 0, expected != "Dec -1");
        }
    }
    PressThroughLoop('U', CTRL);
    ShowRows(true, true, false);
    struct Case { int command; const char* largest; };
    const Case cases[] = {{CMD_WIDTH_64, "Dec 18,446,744,073,709,551,615"},
                          {CMD_WIDTH_32, "Dec 4,294,967,295"}, {CMD_WIDTH_16, "Dec 65,535"},
                          {CMD_WIDTH_8, "Dec 255"}};
    for (const Case& c : cases) {
        SendCommand(c.command);
        TypeChars(std::string(1, 27) + "FFFFFFFFFFFFFFFF");
        EXPECT_EQ(RowSpeech(ROW_DEC), c.largest);
    }
    // The Hex and Bin rows stay unsigned as ever.
    ShowRows(true, true, true);
    EXPECT_EQ(RowSpeech(ROW_HEX), "Hex FF");
    EXPECT_EQ(RowSpeech(ROW_BIN), "Bin 1111-1111");
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
