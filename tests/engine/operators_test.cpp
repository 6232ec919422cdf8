#include <gtest/gtest.h>

#include <string>

#include "beep_counter.h"
#include "engine/operators.h"
#include "keys.h"

namespace {

struct SequenceCase {
    RowIndex row;
    std::string keys;
    uint64_t shown;
};

// Printable names for failure messages: Esc, Backspace and Enter spelled out.
std::string Spell(const std::string& keys)
{
    std::string out;
    for (char c : keys) {
        if (c == ESC) out += "<Esc>";
        else if (c == BKSP) out += "<Bksp>";
        else if (c == ENTER) out += "<Enter>";
        else out += c;
    }
    return out;
}

const std::string S_ESC(1, ESC);
const std::string S_BKSP(1, BKSP);
const std::string S_ENTER(1, ENTER);

class OperatorSequences : public testing::Test {
protected:
    void SetUp() override { ResetEngine(); }

    void ExpectShown(const SequenceCase* cases, size_t count)
    {
        for (size_t i = 0; i < count; i++) {
            ResetEngine();
            TypeKeysInRow(cases[i].row, cases[i].keys);
            EXPECT_EQ(ShownValue(), cases[i].shown)
                << "row " << cases[i].row << " keys \"" << Spell(cases[i].keys) << "\"";
        }
    }
};

TEST_F(OperatorSequences, EvaluateStrictlyLeftToRight)
{
    const SequenceCase cases[] = {
        {ROW_HEX, "5+3=", 8},
        {ROW_HEX, "5+3" + S_ENTER, 8},
        {ROW_HEX, "2+3*4=", 0x14},
        {ROW_HEX, "5+=", 5},
        {ROW_HEX, "5*+3=", 3},
        {ROW_HEX, "5+3=*2=", 0x10},
        {ROW_HEX, "5+3=9-4=", 5},
        {ROW_HEX, "7==", 7},
        {ROW_HEX, "7%3=", 1},
        {ROW_HEX, "C&A=", 8},
        {ROW_HEX, "C|3=", 0xF},
        {ROW_HEX, "C^A=", 6},
        {ROW_HEX, "FF>4=", 0xF},
        {ROW_HEX, "0~>3C=", 0xF},
        {ROW_HEX, "3-5=", ~0ull - 1},
        {ROW_HEX, "FFFFFFFFFFFFFFFF*FFFFFFFFFFFFFFFF=", 1},
        {ROW_DEC, "5!+3=", ~0ull - 1},
        {ROW_DEC, "6!/2=", 9223372036854775805ull},
        {ROW_DEC, "100/7=", 14},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(OperatorSequences, LetterAliasesActLikeTheirOperators)
{
    const SequenceCase cases[] = {
        {ROW_HEX, "5k3=", 8},
        {ROW_HEX, "5j3=", 0xF},
        {ROW_HEX, "9m4=", 5},
        {ROW_HEX, "8o2=", 4},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);

    const char* pairs[][2] = {{"k", "+"}, {"j", "*"}, {"m", "-"}, {"o", "/"}};
    for (auto& pair : pairs) {
        for (const char* operands : {"9A", "1F", "F2"}) {
            std::string a = std::string(1, operands[0]) + pair[0] + operands[1] + "=";
            std::string b = std::string(1, operands[0]) + pair[1] + operands[1] + "=";
            ResetEngine();
            TypeKeys(a);
            uint64_t viaAlias = ShownValue();
            ResetEngine();
            TypeKeys(b);
            EXPECT_EQ(viaAlias, ShownValue()) << a << " vs " << b;
        }
    }
}

TEST_F(OperatorSequences, ShiftCountIsLowEightBits)
{
    const SequenceCase cases[] = {
        {ROW_HEX, "1<3F=", 0x8000000000000000ull},
        {ROW_HEX, "1<40=", 0},
        {ROW_HEX, "1<41=", 0},
        {ROW_HEX, "1<FF=", 0},
        {ROW_HEX, "1<100=", 1},
        {ROW_HEX, "1<101=", 2},
        {ROW_HEX, "1<140=", 0},
        {ROW_DEC, "1<64=", 0},
        {ROW_DEC, "1<65=", 0},
        {ROW_DEC, "1<320=", 0},
        {ROW_DEC, "1<256=", 1},
        {ROW_DEC, "1<257=", 2},
        {ROW_HEX, "8000000000000000>3F=", 1},
        {ROW_HEX, "8000000000000000>40=", 0},
        {ROW_HEX, "8000000000000000>100=", 0x8000000000000000ull},
        {ROW_HEX, "8000000000000000>101=", 0x4000000000000000ull},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(OperatorSequences, EscBackspaceAndComplements)
{
    const SequenceCase cases[] = {
        {ROW_HEX, "0~", ~0ull},
        {ROW_HEX, "0~~", 0},
        {ROW_HEX, "5+3" + S_ESC + "=", 5},
        {ROW_HEX, "5+3=" + S_ESC, 0},
        {ROW_HEX, "5+3=" + S_ESC + "4=", 4},
        {ROW_HEX, "1234" + S_BKSP, 0x123},
        {ROW_HEX, "5+3=" + S_BKSP, 8},
        {ROW_DEC, "1234" + S_BKSP, 123},
        {ROW_DEC, "5!" + S_BKSP, 1844674407370955161ull},
        {ROW_BIN, "1101" + S_BKSP, 6},
        {ROW_HEX, "5+3=!", ~0ull - 7},
        {ROW_HEX, "5+3=~", ~0ull - 8},
    };
    ExpectShown(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(OperatorSequences, AfterEqualsTheRegistersAreSettled)
{
    TypeKeys("5+3=");
    EXPECT_EQ(g_calc.accumulator, 8u);
    EXPECT_EQ(g_calc.entry, 0u);
    EXPECT_TRUE(g_calc.showingResult);
    EXPECT_EQ(g_calc.pendingOp, OP_EQUALS);
}

TEST_F(OperatorSequences, ComplementDoesNotEvaluate)
{
    TypeKeys("0~");
    EXPECT_FALSE(g_calc.showingResult);
    EXPECT_EQ(g_calc.pendingOp, OP_ADD);
    EXPECT_EQ(g_calc.accumulator, 0u);
}

TEST_F(OperatorSequences, EscapeLeavesPendingOperatorAlone)
{
    TypeKeys(S_ESC);
    EXPECT_EQ(ShownValue(), 0u);
    EXPECT_TRUE(g_calc.showingResult);
    EXPECT_EQ(g_calc.pendingOp, OP_ADD);

    TypeKeys("9*" + S_ESC);
    EXPECT_EQ(g_calc.pendingOp, OP_MUL);
    EXPECT_EQ(g_calc.accumulator, 0u);
}

TEST_F(OperatorSequences, DivisionByZeroKeepsLeftOperandAndBeepsOnce)
{
    const char* sequences[] = {"5/=", "5%=", "5/+", "5%+", "5o="};
    for (const char* keys : sequences) {
        ResetEngine();
        TypeKeys(keys);
        EXPECT_EQ(ShownValue(), 5u) << keys;
        EXPECT_EQ(g_beepCount, 1) << keys;
        EXPECT_TRUE(g_calc.showingResult) << keys;
        EXPECT_EQ(g_calc.entry, 0u) << keys;
    }
    ResetEngine();
    TypeKeys("5/+3=");
    EXPECT_EQ(ShownValue(), 8u);
}

TEST_F(OperatorSequences, CharactersOutsideTheTableChangeNothing)
{
    const std::string keyTable = "\b\r\x1b!%&()*+-/<=>^jkmo|~";
    TypeKeys("5+3");
    const CalcState before = g_calc;
    for (int ch = 0; ch < 256; ch++) {
        bool isDigit = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') ||
                       (ch >= 'a' && ch <= 'f');
        bool isKey = keyTable.find((char)ch) != std::string::npos;
        EXPECT_EQ(IsOperatorKey(ch), isKey) << "char " << ch;
        if (isDigit || isKey)
            continue;
        PressOperatorKey(ch);
        EXPECT_EQ(g_calc.accumulator, before.accumulator) << "char " << ch;
        EXPECT_EQ(g_calc.entry, before.entry) << "char " << ch;
        EXPECT_EQ(g_calc.showingResult, before.showingResult) << "char " << ch;
        EXPECT_EQ(g_calc.pendingOp, before.pendingOp) << "char " << ch;
    }
    EXPECT_EQ(g_beepCount, 0);
}

} // namespace
