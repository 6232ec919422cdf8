#include "engine/flags.h"

#include "engine/shifts.h"

namespace {

// The product of two 64-bit numbers needs more than 64 bits: dividing the
// low 64 bits of it by one factor does not give the other.
bool ProductPasses64Bits(uint64_t a, uint64_t b)
{
    return a != 0 && (a * b) / a != b;
}

// The unsigned product does not fit the width.
bool ProductCarries(uint64_t a, uint64_t e)
{
    if (g_calc.dataWidth < MAX_DATA_WIDTH)
        return a * e > WidthMask();
    return ProductPasses64Bits(a, e);
}

// The signed product does not fit the width: its magnitude passes the
// largest positive value, or the most negative one when the signs differ.
bool ProductOverflows(uint64_t a, uint64_t e)
{
    uint64_t ma = MagnitudeAtWidth(a), me = MagnitudeAtWidth(e);
    bool negative = IsNegativeAtWidth(a) != IsNegativeAtWidth(e) && ma != 0 && me != 0;
    uint64_t limit = (WidthMask() >> 1) + (negative ? 1 : 0);
    if (g_calc.dataWidth >= MAX_DATA_WIDTH && ProductPasses64Bits(ma, me))
        return true;
    return ma * me > limit;
}

// The low byte folded onto its lowest bit: 1 for an odd count of ones.
bool EvenParity(uint64_t value)
{
    unsigned low = (unsigned)value & 0xFF;
    low ^= low >> 4;
    low ^= low >> 2;
    low ^= low >> 1;
    return (low & 1) == 0;
}

uint32_t ResultFlags(uint64_t r)
{
    return (EvenParity(r) ? FLAG_PF : 0) | (IsNegativeAtWidth(r) ? FLAG_SF : 0);
}

} // namespace

uint32_t FlagsOfOperation(OpCode op, uint64_t a, uint64_t e, uint64_t r)
{
    bool carry = false, overflow = false;
    bool signA = IsNegativeAtWidth(a), signE = IsNegativeAtWidth(e), signR = IsNegativeAtWidth(r);
    switch (op) {
    case OP_ADD:
        carry = r < a;
        overflow = signA == signE && signR != signA;
        break;
    case OP_SUB:
        carry = a < e;
        overflow = signA != signE && signR != signA;
        break;
    case OP_MUL:
        carry = ProductCarries(a, e);
        overflow = ProductOverflows(a, e);
        break;
    case OP_SHL:
    case OP_SHR:
        carry = ShiftAtWidth(op, a, e).carry;
        overflow = signR != signA;
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
