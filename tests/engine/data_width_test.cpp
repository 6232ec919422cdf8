// The engine at each data width: entry limits, complements, carries and
// shifts out of the top bit, the sign of the decimal text, a change of
// width with an operation pending, and a paste refused at the limit.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "beep_counter.h"
#include "engine/format.h"
#include "engine/operators.h"
#include "keys.h"

namespace {

struct WidthCase {
    int32_t width;
    RowIndex row;
    std::string keys;
    // Then, where given, the width changes and more keys follow.
    int32_t nextWidth;
    std::string moreKeys;
    uint64_t shown;
    const char* dec;
    int beeps;
    bool unsignedDec = false;
};

// The shown value as the decimal row copies it, signed or not.
std::string DecimalText()
{
    char buffer[FORMAT_BUFFER_SIZE];
    SetFieldWidth(FORMAT_BUFFER_SIZE - 1);
    FormatNumber(ShownValue(), buffer, 10, NO_GROUPING, ',', !g_calc.unsignedDecimal);
    return buffer + strspn(buffer, " ");
}

TEST(DataWidth, EveryKeyWorksAtTheWidth)
{
    const RowIndex H = ROW_HEX, D = ROW_DEC, B = ROW_BIN;
    const WidthCase cases[] = {
        // Each row's last accepted digit and first refused one.
        {8, H, "FFF", 0, "", 0xFF, "-1", 1},
        {16, H, "FFFFF", 0, "", 0xFFFF, "-1", 1},
        {32, H, "FFFFFFFF1", 0, "", 0xFFFFFFFF, "-1", 1},
        {8, B, "111111111", 0, "", 0xFF, "-1", 1},
        {32, B, std::string(33, '1'), 0, "", 0xFFFFFFFF, "-1", 1},
        {8, D, "2555", 0, "", 0xFF, "-1", 1},
        {8, D, "256", 0, "", 25, "25", 1},
        {16, D, "65536", 0, "", 6553, "6553", 1},
        {32, D, "42949672950", 0, "", 0xFFFFFFFF, "-1", 1},
        // Unsigned, the Dec row stops at the width's largest number, at 64
        // bits too.
        {8, D, "2555", 0, "", 0xFF, "255", 1, true},
        {64, D, "184467440737095516150", 0, "", ~0ull, "18446744073709551615", 1, true},
        {64, D, "18446744073709551616", 0, "", 1844674407370955161ull, "1844674407370955161", 1,
         true},
        // Unsigned Dec leaves the Hex and Bin limits as they are.
        {8, H, "100", 0, "", 0x10, "16", 1, true},
        {16, H, "10000", 0, "", 0x1000, "4096", 1, true},
        {32, H, "100000000", 0, "", 0x10000000, "268435456", 1, true},
        {64, H, "1" + std::string(16, '0'), 0, "", 1ull << 60, "1152921504606846976", 1, true},
        {64, B, std::string(65, '1'), 0, "", ~0ull, "18446744073709551615", 1, true},
        // The complements.
        {8, H, "0~", 0, "", 0xFF, "-1", 0},
        {16, H, "1!", 0, "", 0xFFFF, "-1", 0},
        {32, H, "5!", 0, "", 0xFFFFFFFB, "-5", 0},
        // A carry or borrow out of the top bit is lost.
        {8, H, "FF+1=", 0, "", 0, "0", 0},
        {16, H, "0-1=", 0, "", 0xFFFF, "-1", 0},
        {32, H, "10000*10000=", 0, "", 0, "0", 0},
        {8, H, "7F+1=", 0, "", 0x80, "-128", 0},
        // Shifts by width-1, width, 255 and 256 (256 shifts by 0; 8 bits
        // cannot hold it).
        {8, H, "C0<1=", 0, "", 0x80, "-128", 0},
        {8, H, "1<8=", 0, "", 0, "0", 0},
        {8, H, "80>7=", 0, "", 1, "1", 0},
        {8, H, "80>FF=", 0, "", 0, "0", 0},
        {16, H, "3<F=", 0, "", 0x8000, "-32768", 0},
        {16, H, "1<FF=", 0, "", 0, "0", 0},
        {16, H, "8000>10=", 0, "", 0, "0", 0},
        {16, H, "8000>100=", 0, "", 0x8000, "-32768", 0},
        {32, H, "3<1F=", 0, "", 0x80000000, "-2147483648", 0},
        {32, H, "1<20=", 0, "", 0, "0", 0},
        {64, H, "1<3F=", 0, "", 0x8000000000000000ull, "-9223372036854775808", 0},
        // A change of width keeps the low bits, both ways, and the
        // pending operation.
        {32, H, "FFFFFFFF", 64, "", 0xFFFFFFFF, "4294967295", 0},
        {64, H, "FFFFFFFFF", 32, "", 0xFFFFFFFF, "-1", 0},
        {64, H, "123456789+", 8, "1=", 0x8A, "-118", 0},
        {8, H, "FF+", 64, "1=", 0x100, "256", 0},
        {64, H, "1FF*(", 8, "2)=", 0xFE, "-2", 0},
        {64, H, "1FF|(", 8, "0)=", 0xFF, "-1", 0},
    };
    for (const WidthCase& c : cases) {
        ResetEngine();
        SetDataWidth(c.width);
        SetUnsignedDecimal(c.unsignedDec);
        TypeKeysInRow(c.row, c.keys);
        if (c.nextWidth != 0)
            SetDataWidth(c.nextWidth);
        TypeKeys(c.moreKeys);
        std::string name = std::to_string(c.width) + " bits, row " + std::to_string(c.row) +
                           ": " + c.keys + " | " + c.moreKeys;
        EXPECT_EQ(ShownValue(), c.shown) << name;
        EXPECT_EQ(DecimalText(), c.dec) << name;
        EXPECT_EQ(g_beepCount, c.beeps) << name;
    }
}

// A paste stops at the first digit refused at the limit: the digit decides.
TEST(DataWidth, PasteStopsAtTheFirstRefusedDigit)
{
    ResetEngine();
    SetDataWidth(8);
    SetActiveRow(ROW_DEC);
    EnterDigitText("2565", 4);
    EXPECT_EQ(ShownValue(), 25u);
    EXPECT_EQ(g_beepCount, 1);
}

// Swap Bytes and Reverse Bits change the shown register within the width,
// an entry or a result, and leave the flags.
TEST(DataWidth, SwapAndReverseAtEachWidth)
{
    struct Case { int32_t width; std::string keys; uint64_t swapped, reversed; uint32_t flags; };
    const Case cases[] = {
        {64, "123456789ABCDEF0", 0xF0DEBC9A78563412ull, 0x0F7B3D591E6A2C48ull, 0},
        {32, "12345678", 0x78563412, 0x1E6A2C48, 0},
        {16, "1234+0=", 0x3412, 0x2C48, 0},
        {8, "81+1=", 0x82, 0x41, FLAG_PF | FLAG_SF},
    };
    for (const Case& c : cases)
        for (void (*reorder)() : {SwapShownBytes, ReverseShownBits}) {
            ResetEngine();
            SetDataWidth(c.width);
            TypeKeys(c.keys);
            reorder();
            EXPECT_EQ(ShownValue(), reorder == SwapShownBytes ? c.swapped : c.reversed) << c.keys;
            EXPECT_EQ(g_calc.flags, c.flags) << c.keys;
        }
}

} // namespace
