#include "keys.h"

#include "beep_counter.h"
#include "engine/operators.h"

namespace {

// Copied before any test runs, so it holds the process's initial values.
const CalcState PRISTINE = g_calc;

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

void ResetEngine()
{
    g_calc = PRISTINE;
    g_beepCount = 0;
}

void TypeKeys(const std::string& keys)
{
    for (char c : keys) {
        int digit = HexDigitValue(c);
        if (digit >= 0)
            EnterDigit(digit);
        else
            PressOperatorKey((unsigned char)c);
    }
}

void TypeKeysInRow(RowIndex row, const std::string& keys)
{
    SetActiveRow(row);
    TypeKeys(keys);
}
