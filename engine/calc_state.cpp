#include "calc_state.h"

const int32_t RadixByRow[ROW_COUNT] = {16, 10, 2};
const uint64_t EntryLimitByRow[ROW_COUNT] = {ENTRY_LIMIT_HEX, ENTRY_LIMIT_DEC, ENTRY_LIMIT_BIN};
const int32_t DataWidths[DATA_WIDTH_COUNT] = {64, 32, 16, 8};

// OP_ADD pending with a zero accumulator makes the first operator key load
// the first typed number (0 + number).
CalcState g_calc = {0, 0, false, OP_ADD, ROW_HEX, 16, MAX_DATA_WIDTH, false, SHIFT_LOGICAL,
                     0, 0, {}};

namespace {

const int DECIMAL_RADIX = 10;

// Whether the entry takes one more digit at the data width. At 64 bits and
// in Hex and Bin at every width that depends on the entry alone; a narrower
// or unsigned Dec entry takes the digit only where the number it makes fits
// the width (asked without overflowing at 64 bits).
bool FitsEntryLimit(int32_t digit)
{
    uint64_t entry = g_calc.entry;
    if (g_calc.activeRow == ROW_DEC &&
        (g_calc.dataWidth < MAX_DATA_WIDTH || g_calc.unsignedDecimal))
        return entry <= (WidthMask() - (uint64_t)digit) / DECIMAL_RADIX;
    uint64_t limit = EntryLimitByRow[g_calc.activeRow];
    if (g_calc.activeRow != ROW_DEC)
        limit >>= MAX_DATA_WIDTH - g_calc.dataWidth;
    return entry < limit;
}

} // namespace

uint64_t ShownValue()
{
    return g_calc.showingResult ? g_calc.accumulator : g_calc.entry;
}

int DigitOfCharacter(int ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return -1;
}

uint64_t WidthMask()
{
    return g_calc.dataWidth >= MAX_DATA_WIDTH ? ~0ull : (1ull << g_calc.dataWidth) - 1;
}

bool IsNegativeAtWidth(uint64_t value)
{
    return ((value >> (g_calc.dataWidth - 1)) & 1) != 0;
}

uint64_t MagnitudeAtWidth(uint64_t value)
{
    return IsNegativeAtWidth(value) ? (0 - value) & WidthMask() : value;
}

void SetDataWidth(int32_t width)
{
    g_calc.dataWidth = width;
    g_calc.accumulator &= WidthMask();
    g_calc.entry &= WidthMask();
    for (int i = 0; i < g_calc.openParens; i++)
        g_calc.outer[i].accumulator &= WidthMask();
    g_calc.flags = 0;
}

bool EnterDigit(int32_t digit)
{
    if (digit < 0 || digit >= g_calc.activeRadix)
        return true;
    if (!FitsEntryLimit(digit)) {
        SoundEntryBeep();
        return false;
    }
    g_calc.entry = (g_calc.entry * (uint64_t)g_calc.activeRadix + (uint64_t)digit) & WidthMask();
    g_calc.showingResult = false;
    return true;
}

void EnterDigitText(const char* text, size_t length)
{
    for (size_t i = 0; i < length; i++) {
        int digit = DigitOfCharacter((unsigned char)text[i]);
        if (digit < 0 || !EnterDigit(digit))
            return;
    }
}

void SetActiveRow(RowIndex row)
{
    g_calc.activeRow = row;
    g_calc.activeRadix = RadixByRow[row];
}

void SetUnsignedDecimal(bool isUnsigned)
{
    g_calc.unsignedDecimal = isUnsigned;
}

void SetShiftMode(ShiftMode mode)
{
    g_calc.shiftMode = mode;
}
