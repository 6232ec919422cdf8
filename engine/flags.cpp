#include "engine/flags.h"

namespace {

const int SHIFT_COUNT_MASK = 0xFF;
const int HALF_BITS = 32;
const uint64_t LOW_HALF = 0xFFFFFFFFull;

bool TopBit(uint64_t value)
{
    return IsNegativeAtWidth(value);
}

// The high 64 bits of the 128-bit product of two 64-bit numbers, from
// their 32-bit halves, so no compiler extension is needed.
uint64_t HighProduct(uint64_t a, uint64_t b)
{
    uint64_t aLow = a & LOW_HALF, aHigh = a >> HALF_BITS;
    uint64_t bLow = b & LOW_HALF, bHigh = b >> HALF_BITS;
    uint64_t low = aLow * bLow, middle1 = aHigh * bLow, middle2 = aLow * bHigh;
    uint64_t carry = ((low >> HALF_BITS) + (middle1 & LOW_HALF) + (middle2 & LOW_HALF)) >> HALF_BITS;
    return aHigh * bHigh + (middle1 >> HALF_BITS) + (middle2 >> HALF_BITS) + carry;
}

// The magnitude of a value read as a signed number of the data width.
uint64_t Magnitude(uint64_t value)
{
    return TopBit(value) ? (0 - value) & WidthMask() : value;
}

// The unsigned product does not fit the width.
bool ProductCarries(uint64_t a, uint64_t e)
{
    if (g_calc.dataWidth < MAX_DATA_WIDTH)
        return a * e > WidthMask();
    return HighProduct(a, e) != 0;
}

// The signed product does not fit the width: its magnitude passes the
// largest positive value, or the most negative one when the signs differ.
bool ProductOverflows(uint64_t a, uint64_t e)
{
    uint64_t ma = Magnitude(a), me = Magnitude(e);
    bool negative = TopBit(a) != TopBit(e) && ma != 0 && me != 0;
    uint64_t limit = (WidthMask() >> 1) + (negative ? 1 : 0);
    if (g_calc.dataWidth >= MAX_DATA_WIDTH && HighProduct(ma, me) != 0)
        return true;
    return ma * me > limit;
}

// The last bit a shift moves out; none for a count of 0 or past the width.
bool ShiftCarries(OpCode op, uint64_t a, uint64_t e)
{
    int count = (int)(e & SHIFT_COUNT_MASK);
    if (count == 0 || count > g_calc.dataWidth)
        return false;
    int bit = op == OP_SHL ? g_calc.dataWidth - count : count - 1;
    return ((a >> bit) & 1) != 0;
}

bool EvenParity(uint64_t value)
{
    int ones = 0;
    for (int bit = 0; bit < 8; bit++)
        ones += (int)((value >> bit) & 1);
    return ones % 2 == 0;
}

uint32_t ResultFlags(uint64_t r)
{
    return (EvenParity(r) ? FLAG_PF : 0) | (TopBit(r) ? FLAG_SF : 0);
}

} // namespace

uint32_t FlagsOfOperation(OpCode op, uint64_t a, uint64_t e, uint64_t r)
{
    bool carry = false, overflow = false;
    switch (op) {
    case OP_ADD:
        carry = r < a;
        overflow = TopBit(a) == TopBit(e) && TopBit(r) != TopBit(a);
        break;
    case OP_SUB:
        carry = a < e;
        overflow = TopBit(a) != TopBit(e) && TopBit(r) != TopBit(a);
        break;
    case OP_MUL:
        carry = ProductCarries(a, e);
        overflow = ProductOverflows(a, e);
        break;
    case OP_SHL:
    case OP_SHR:
        carry = ShiftCarries(op, a, e);
        overflow = TopBit(r) != TopBit(a);
        break;
    default: break;
    }
    return (carry ? FLAG_CF : 0) | (overflow ? FLAG_OF : 0) | ResultFlags(r);
}

uint32_t FlagsOfNegation(uint64_t value, uint64_t r)
{
    bool overflow = value != 0 && value == r;
    return (value != 0 ? FLAG_CF : 0) | (overflow ? FLAG_OF : 0) | ResultFlags(r);
}
