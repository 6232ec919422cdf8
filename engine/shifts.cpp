#include "shifts.h"

namespace {

const int SHIFT_COUNT_MASK = 0xFF;
const int BYTE_BITS = 8;

// Shifts that move 64 places or more move every bit out, as the processor
// never does: C++ leaves them undefined.
uint64_t Left(uint64_t value, int count)
{
    return count >= MAX_DATA_WIDTH ? 0 : value << count;
}

uint64_t Right(uint64_t value, int count)
{
    return count >= MAX_DATA_WIDTH ? 0 : value >> count;
}

bool BitOf(uint64_t value, int bit)
{
    return ((value >> bit) & 1) != 0;
}

// Zeros shifted in; ">" in Arithmetic shifts in copies of the sign bit.
// The carry is the last bit shifted out, none past the width, except that
// an arithmetic shift by the width or more leaves the sign bit there.
ShiftOutcome Shift(OpCode op, uint64_t a, int count, bool arithmetic)
{
    int width = g_calc.dataWidth;
    bool sign = arithmetic && op == OP_SHR && IsNegativeAtWidth(a);
    if (count >= width && sign)
        return {WidthMask(), true};
    if (count > width)
        return {0, false};
    if (op == OP_SHL)
        return {Left(a, count) & WidthMask(), BitOf(a, width - count)};
    uint64_t signs = sign ? WidthMask() & ~Right(WidthMask(), count) : 0;
    return {Right(a, count) | signs, BitOf(a, count - 1)};
}

// The carry takes bit 0 of the result after "<", the top bit after ">".
ShiftOutcome Rotate(OpCode op, uint64_t a, int count)
{
    int width = g_calc.dataWidth, turn = count % width;
    if (op == OP_SHR)
        turn = (width - turn) % width;
    uint64_t value = (Left(a, turn) | Right(a, width - turn)) & WidthMask();
    return {value, BitOf(value, op == OP_SHL ? 0 : width - 1)};
}

// The width's bits with the carry above them as one ring of width + 1
// bits; ">" by t turns it as "<" by width + 1 - t does.
ShiftOutcome RotateThroughCarry(OpCode op, uint64_t a, int count)
{
    int width = g_calc.dataWidth, turn = count % (width + 1);
    bool carry = (g_calc.flags & FLAG_CF) != 0;
    if (turn == 0)
        return {a, carry};
    if (op == OP_SHR)
        turn = width + 1 - turn;
    uint64_t value = Left(a, turn) | Left(carry ? 1 : 0, turn - 1) | Right(a, width + 1 - turn);
    return {value & WidthMask(), BitOf(a, width - turn)};
}

} // namespace

ShiftOutcome ShiftAtWidth(OpCode op, uint64_t a, uint64_t e)
{
    int count = (int)(e & SHIFT_COUNT_MASK);
    if (count == 0 && g_calc.shiftMode != SHIFT_ROTATE_CARRY)
        return {a, false};
    switch (g_calc.shiftMode) {
    case SHIFT_ROTATE_CARRY: return RotateThroughCarry(op, a, count);
    case SHIFT_ROTATE: return Rotate(op, a, count);
    case SHIFT_ARITHMETIC: return Shift(op, a, count, true);
    case SHIFT_LOGICAL: break;
    }
    return Shift(op, a, count, false);
}

uint64_t SwapBytesAtWidth(uint64_t value)
{
    uint64_t swapped = 0;
    for (int bit = 0; bit < g_calc.dataWidth; bit += BYTE_BITS)
        swapped = (swapped << BYTE_BITS) | ((value >> bit) & 0xFF);
    return swapped;
}

uint64_t ReverseBitsAtWidth(uint64_t value)
{
    uint64_t reversed = 0;
    for (int bit = 0; bit < g_calc.dataWidth; bit++)
        reversed = (reversed << 1) | ((value >> bit) & 1);
    return reversed;
}
