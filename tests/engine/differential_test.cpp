// A long random key stream through the engine, checked key by key against a
// small model written from the calculator's rules, in a different style:
// 128-bit arithmetic, shifts done one bit at a time, limits by digit count.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "beep_counter.h"
#include "engine/operators.h"
#include "keys.h"

namespace {

typedef unsigned __int128 u128;
const u128 TWO_64 = (u128)1 << 64;

struct Model {
    uint64_t a = 0, e = 0;
    bool result = false;
    char op = '+';   // the pending operator as its key; '=' for equals
    int radix = 16;
    int beeps = 0;
};

uint64_t Shift(uint64_t value, uint64_t count, bool left)
{
    for (unsigned i = 0; i < (count % 256); i++)
        value = left ? (uint64_t)(((u128)value * 2) % TWO_64) : value / 2;
    return value;
}

uint64_t Combine(Model& m)
{
    u128 a = m.a, e = m.e;
    switch (m.op) {
    case '=': return m.e;
    case '+': return (uint64_t)((a + e) % TWO_64);
    case '-': return (uint64_t)((a + TWO_64 - e) % TWO_64);
    case '*': return (uint64_t)((a * e) % TWO_64);
    case '/': if (m.e == 0) { m.beeps++; return m.a; } return m.a / m.e;
    case '%': if (m.e == 0) { m.beeps++; return m.a; } return m.a % m.e;
    case '<': return Shift(m.a, m.e, true);
    case '>': return Shift(m.a, m.e, false);
    case '&': return m.a & m.e;
    case '|': return m.a | m.e;
    case '^': return m.a ^ m.e;
    }
    ADD_FAILURE() << "unknown operator " << m.op;
    return 0;
}

void ModelBinary(Model& m, char op)
{
    if (!(m.op == '=' && m.result)) {
        m.a = Combine(m);
        m.e = 0;
        m.result = true;
    }
    m.op = op;
}

// Hex and Bin take a digit while the entry has fewer than 16 or 64
// significant digits; Dec while it is below 1,873,497,444,986,126,336.
bool ModelAccepts(const Model& m)
{
    if (m.radix == 10)
        return m.e < 1873497444986126336ull;
    int digits = 0;
    for (uint64_t v = m.e; v != 0; v /= (uint64_t)m.radix)
        digits++;
    return digits < (m.radix == 16 ? 16 : 64);
}

void ModelDigit(Model& m, int digit)
{
    if (digit >= m.radix)
        return;
    if (!ModelAccepts(m)) {
        m.beeps++;
        return;
    }
    m.e = (uint64_t)(((u128)m.e * (u128)m.radix + (u128)digit) % TWO_64);
    m.result = false;
}

void ModelKey(Model& m, char key)
{
    uint64_t& shown = m.result ? m.a : m.e;
    switch (key) {
    case BKSP: m.e /= (uint64_t)m.radix; return;
    case ESC: shown = 0; m.result = true; return;
    case '~': shown ^= ~0ull; return;
    case '!': shown = (uint64_t)((TWO_64 - shown) % TWO_64); return;
    case ENTER: ModelBinary(m, '='); return;
    case 'j': ModelBinary(m, '*'); return;
    case 'k': ModelBinary(m, '+'); return;
    case 'm': ModelBinary(m, '-'); return;
    case 'o': ModelBinary(m, '/'); return;
    default: ModelBinary(m, key); return;
    }
}

TEST(DifferentialKeyStream, EngineMatchesModelForRandomKeys)
{
    ResetEngine();
    Model m;
    std::mt19937 random(20061222);
    const std::string operators = "+-*/%&|^<>=jkmo";
    const std::string others = "~!\b\x1b\r";
    const RowIndex rows[] = {ROW_HEX, ROW_DEC, ROW_BIN};
    for (int step = 0; step < 200000; step++) {
        unsigned pick = random() % 100;
        std::string what;
        if (pick < 62) {
            int digit = (int)(random() % 16);
            EnterDigit(digit);
            ModelDigit(m, digit);
            what = "digit " + std::to_string(digit);
        } else if (pick < 84) {
            char key = operators[random() % operators.size()];
            PressOperatorKey(key);
            ModelKey(m, key);
            what = std::string("key ") + key;
        } else if (pick < 96) {
            char key = others[random() % others.size()];
            PressOperatorKey(key);
            ModelKey(m, key);
            what = "key code " + std::to_string((int)key);
        } else {
            RowIndex row = rows[random() % 3];
            SetActiveRow(row);
            m.radix = row == ROW_HEX ? 16 : row == ROW_DEC ? 10 : 2;
            what = "row " + std::to_string(row);
        }
        uint64_t modelShown = m.result ? m.a : m.e;
        ASSERT_EQ(ShownValue(), modelShown) << "step " << step << ", " << what;
        ASSERT_EQ(g_calc.accumulator, m.a) << "step " << step << ", " << what;
        ASSERT_EQ(g_calc.entry, m.e) << "step " << step << ", " << what;
        ASSERT_EQ(g_calc.showingResult, m.result) << "step " << step << ", " << what;
        ASSERT_EQ(g_beepCount, m.beeps) << "step " << step << ", " << what;
    }
}

} // namespace
