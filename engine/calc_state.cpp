#include "calc_state.h"

const int32_t RadixByRow[ROW_COUNT] = {16, 10, 2};
const uint64_t EntryLimitByRow[ROW_COUNT] = {ENTRY_LIMIT_HEX, ENTRY_LIMIT_DEC, ENTRY_LIMIT_BIN};

// OP_ADD pending with a zero accumulator makes the first operator key load
// the first typed number (0 + number).
CalcState g_calc = {0, 0, false, OP_ADD, ROW_HEX, 16};

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

void EnterDigit(int32_t digit)
{
    if (digit < 0 || digit >= g_calc.activeRadix)
        return;
    if (IsEntryFull()) {
        SoundEntryBeep();
        return;
    }
    g_calc.entry = g_calc.entry * (uint64_t)g_calc.activeRadix + (uint64_t)digit;
    g_calc.showingResult = false;
}

bool IsEntryFull()
{
    return g_calc.entry >= EntryLimitByRow[g_calc.activeRow];
}

void SetActiveRow(RowIndex row)
{
    g_calc.activeRow = row;
    g_calc.activeRadix = RadixByRow[row];
}
