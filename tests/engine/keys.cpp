#include "keys.h"

#include "beep_counter.h"
#include "engine/operators.h"

namespace {

// Copied before any test runs, so it holds the process's initial values.
const CalcState PRISTINE = g_calc;

} // namespace

void ResetEngine()
{
    g_calc = PRISTINE;
    g_beepCount = 0;
}

void TypeKeys(const std::string& keys)
{
    for (char c : keys) {
        int digit = DigitOfCharacter((unsigned char)c);
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
