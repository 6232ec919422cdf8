#include <gtest/gtest.h>

#include <string>

#include "beep_counter.h"
#include "keys.h"

namespace {

struct EntryCase {
    const char* name;
    RowIndex row;
    std::string keys;
    uint64_t entry;
    int beeps;
};

void PrintTo(const EntryCase& c, std::ostream* os)
{
    *os << c.name;
}

class DigitEntry : public testing::TestWithParam<EntryCase> {
protected:
    void SetUp() override { ResetEngine(); }
};

TEST_P(DigitEntry, BuildsEntryWithinRowLimit)
{
    const EntryCase& c = GetParam();
    TypeKeysInRow(c.row, c.keys);
    EXPECT_EQ(g_calc.entry, c.entry);
    EXPECT_EQ(ShownValue(), c.entry);
    EXPECT_EQ(g_beepCount, c.beeps);
}

const EntryCase ENTRY_CASES[] = {
    {"HexSixteenDigits", ROW_HEX, std::string(16, 'F'), ~0ull, 0},
    {"HexSeventeenthDigitBeeps", ROW_HEX, std::string(17, 'F'), ~0ull, 1},
    {"HexLeadingZerosDoNotCount", ROW_HEX, std::string(30, '0') + "1", 1, 0},
    {"HexLimitItselfBeeps", ROW_HEX, "1" + std::string(15, '0') + "1", 0x1000000000000000ull, 1},
    {"HexLowerCaseLetters", ROW_HEX, "abcdef", 0xABCDEF, 0},
    {"HexSixteenDigitsAfterLeadingZeros", ROW_HEX, "0001234567890ABCDEF0", 0x1234567890ABCDEFull, 1},
    {"BinSixtyFourOnes", ROW_BIN, std::string(64, '1'), ~0ull, 0},
    {"BinSixtyFifthDigitBeeps", ROW_BIN, std::string(65, '1'), ~0ull, 1},
    {"BinLimitItselfBeeps", ROW_BIN, "1" + std::string(63, '0') + "1", 0x8000000000000000ull, 1},
    {"BinIgnoresTwoSilently", ROW_BIN, "2", 0, 0},
    {"BinSkipsForeignDigits", ROW_BIN, "1021", 5, 0},
    {"DecIgnoresLetterSilently", ROW_DEC, "A", 0, 0},
    {"DecLargestValue", ROW_DEC, "18446744073709551615", ~0ull, 0},
    {"DecBeyondLargestBeeps", ROW_DEC, "184467440737095516150", ~0ull, 1},
    {"DecWrapsToZero", ROW_DEC, "18446744073709551616", 0, 0},
    {"DecWrapsToThree", ROW_DEC, "18446744073709551619", 3, 0},
    {"DecSignBit", ROW_DEC, "9223372036854775808", 0x8000000000000000ull, 0},
    {"DecTwentiethDigitWraps", ROW_DEC, "18446744073709551620", 4, 0},
    {"DecWrappedValueTakesMoreDigits", ROW_DEC, "184467440737095516207", 47, 0},
    {"DecLastEntryBelowLimitWraps", ROW_DEC, "18734974449861263359",
     288230376151711743ull, 0},
    {"DecLimitItselfBeeps", ROW_DEC, "18734974449861263360", 1873497444986126336ull, 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, DigitEntry, testing::ValuesIn(ENTRY_CASES),
                         [](const testing::TestParamInfo<EntryCase>& info) {
                             return std::string(info.param.name);
                         });

class DigitEntryState : public testing::Test {
protected:
    void SetUp() override { ResetEngine(); }
};

TEST_F(DigitEntryState, StartsAtZeroShowingTheEntry)
{
    EXPECT_EQ(ShownValue(), 0u);
    EXPECT_FALSE(g_calc.showingResult);
    EXPECT_EQ(g_calc.pendingOp, OP_ADD);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    EXPECT_EQ(g_calc.activeRadix, 16);
}

TEST_F(DigitEntryState, RowChangeContinuesTheNumberInTheNewRadix)
{
    TypeKeysInRow(ROW_HEX, "F");
    TypeKeysInRow(ROW_DEC, "1");
    EXPECT_EQ(g_calc.entry, 151u);

    ResetEngine();
    TypeKeysInRow(ROW_HEX, "1F");
    TypeKeysInRow(ROW_DEC, "5");
    EXPECT_EQ(g_calc.entry, 315u);
}

TEST_F(DigitEntryState, RadixFollowsTheActiveRow)
{
    const int32_t radix[] = {16, 10, 2};
    for (RowIndex row : {ROW_BIN, ROW_DEC, ROW_HEX}) {
        SetActiveRow(row);
        EXPECT_EQ(g_calc.activeRadix, radix[row]);
    }
}

TEST_F(DigitEntryState, DigitAfterResultStartsNewNumberAndKeepsAccumulator)
{
    TypeKeys("5+7");
    EXPECT_EQ(g_calc.entry, 7u);
    EXPECT_EQ(g_calc.accumulator, 5u);
    EXPECT_FALSE(g_calc.showingResult);
    EXPECT_EQ(ShownValue(), 7u);
}

TEST_F(DigitEntryState, AllOnesEntryBeepsForEveryAcceptedDigitOnly)
{
    TypeKeys("0~");
    ASSERT_EQ(g_calc.entry, ~0ull);
    for (RowIndex row : {ROW_HEX, ROW_DEC, ROW_BIN}) {
        g_beepCount = 0;
        TypeKeysInRow(row, "1");
        EXPECT_EQ(g_beepCount, 1) << "row " << row;
        EXPECT_EQ(g_calc.entry, ~0ull);
    }
    g_beepCount = 0;
    TypeKeysInRow(ROW_BIN, "7");
    TypeKeysInRow(ROW_DEC, "C");
    EXPECT_EQ(g_beepCount, 0);
}

TEST_F(DigitEntryState, RefusedDigitKeepsResultShown)
{
    TypeKeys("5+3=");
    TypeKeysInRow(ROW_DEC, "A");
    EXPECT_TRUE(g_calc.showingResult);
    EXPECT_EQ(ShownValue(), 8u);
}

} // namespace
