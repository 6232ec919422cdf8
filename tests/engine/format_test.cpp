#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "engine/format.h"

namespace {

enum Form { HEX_ROW, DEC_ROW, BIN_ROW, HEX_COPY, DEC_COPY, BIN_COPY };

std::string Format(uint64_t value, Form form, int width)
{
    struct Args { int32_t radix, group; char separator; bool isSigned; };
    const Args args[] = {
        {16, 4, '-', false}, {10, 3, ',', true}, {2, 4, '-', false},
        {16, NO_GROUPING, '-', false}, {10, NO_GROUPING, ',', true}, {2, NO_GROUPING, '-', false},
    };
    char buffer[FORMAT_BUFFER_SIZE];
    SetFieldWidth(width);
    const Args& a = args[form];
    FormatNumber(value, buffer, a.radix, a.group, a.separator, a.isSigned);
    return buffer;
}

std::string Repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; i++)
        out += piece;
    return out;
}

// Right-aligns text in a field of the given width, the way every row reads.
std::string Field(const std::string& text, int width)
{
    return std::string(width - text.size(), ' ') + text;
}

struct RowTextCase {
    uint64_t value;
    std::string hex, dec, bin;
};

TEST(NumberFormatting, RowTextsAtTheWidestField)
{
    const RowTextCase cases[] = {
        {0, "0", "0", "0"},
        {1000, "3E8", "1,000", "11-1110-1000"},
        {999, "3E7", "999", "11-1110-0111"},
        {0xFFFF, "FFFF", "65,535", "1111-1111-1111-1111"},
        {0x1FFFF, "1-FFFF", "131,071", "1-1111-1111-1111-1111"},
        {0x10000, "1-0000", "65,536", "1-0000-0000-0000-0000"},
        {0x7FFFFFFFFFFFFFFFull, "7FFF-FFFF-FFFF-FFFF", "9,223,372,036,854,775,807",
         "111" + Repeat("-1111", 15)},
        {0x8000000000000000ull, "8000-0000-0000-0000", "-9,223,372,036,854,775,808",
         "1000" + Repeat("-0000", 15)},
        {0xFFFFFFFFFFFFFFFBull, "FFFF-FFFF-FFFF-FFFB", "-5", Repeat("1111-", 15) + "1011"},
        {0xFFFFFFFFFFFFFFFFull, "FFFF-FFFF-FFFF-FFFF", "-1", Repeat("1111-", 15) + "1111"},
    };
    for (const RowTextCase& c : cases) {
        EXPECT_EQ(Format(c.value, HEX_ROW, 79), Field(c.hex, 79)) << c.value;
        EXPECT_EQ(Format(c.value, DEC_ROW, 79), Field(c.dec, 79)) << c.value;
        EXPECT_EQ(Format(c.value, BIN_ROW, 79), Field(c.bin, 79)) << c.value;
    }
}

TEST(NumberFormatting, NarrowerFieldsOfHexAndDecRows)
{
    EXPECT_EQ(Format(~0ull, HEX_ROW, 19), "FFFF-FFFF-FFFF-FFFF");
    EXPECT_EQ(Format(~0ull, HEX_ROW, 27), std::string(8, ' ') + "FFFF-FFFF-FFFF-FFFF");
    EXPECT_EQ(Format(0, HEX_ROW, 19), std::string(18, ' ') + "0");
    EXPECT_EQ(Format(0x8000000000000000ull, DEC_ROW, 27), " -9,223,372,036,854,775,808");
    EXPECT_EQ(Format(~0ull, DEC_ROW, 27), Field("-1", 27));
}

TEST(NumberFormatting, CopyFormHasNoSeparators)
{
    struct CopyCase { uint64_t value; std::string hex, dec, bin; };
    const CopyCase cases[] = {
        {0, "0", "0", "0"},
        {~0ull, "FFFFFFFFFFFFFFFF", "-1", std::string(64, '1')},
        {0x10000, "10000", "65536", "10000000000000000"},
        {0x8000000000000000ull, "8000000000000000", "-9223372036854775808",
         "1" + std::string(63, '0')},
    };
    for (int width : {19, 27, 79}) {
        for (const CopyCase& c : cases) {
            EXPECT_EQ(Format(c.value, HEX_COPY, width), Field(c.hex, width));
            if ((int)c.dec.size() <= width) {
                EXPECT_EQ(Format(c.value, DEC_COPY, width), Field(c.dec, width));
            }
            if ((int)c.bin.size() <= width) {
                EXPECT_EQ(Format(c.value, BIN_COPY, width), Field(c.bin, width));
            }
        }
    }
}

TEST(NumberFormatting, NeverWritesOutsideTheBuffer)
{
    const char GUARD = '#';
    for (int width : {0, 1, 5, 19, 27, 79, FORMAT_BUFFER_SIZE - 1, 500, -3}) {
        for (uint64_t value : {0ull, 1ull, 0x8000000000000000ull, ~0ull}) {
            for (Form form : {HEX_ROW, DEC_ROW, BIN_ROW, BIN_COPY}) {
                char block[FORMAT_BUFFER_SIZE + 2];
                memset(block, GUARD, sizeof block);
                SetFieldWidth(width);
                FormatNumber(value, block + 1, form == DEC_ROW ? 10 : form == HEX_ROW ? 16 : 2,
                             form == BIN_COPY ? NO_GROUPING : 4, '-', form == DEC_ROW);
                EXPECT_EQ(block[0], GUARD) << "width " << width;
                EXPECT_EQ(block[FORMAT_BUFFER_SIZE + 1], GUARD) << "width " << width;
                EXPECT_EQ(strlen(block + 1), (size_t)FieldWidth()) << "width " << width;
            }
        }
    }
}

TEST(NumberFormatting, TooNarrowFieldKeepsTheLowDigits)
{
    EXPECT_EQ(Format(0x12345, HEX_COPY, 3), "345");
    EXPECT_EQ(Format(~0ull, DEC_ROW, 0), "");
}

TEST(NumberFormatting, FieldWidthStaysWithinABuffer)
{
    SetFieldWidth(79);
    EXPECT_EQ(FieldWidth(), 79);
    SetFieldWidth(1000);
    EXPECT_EQ(FieldWidth(), FORMAT_BUFFER_SIZE - 1);
    SetFieldWidth(-1);
    EXPECT_EQ(FieldWidth(), 0);
}

} // namespace
