// "<" and ">" in the shift mode in force when they are carried out, and the
// byte and bit orders of a value, all at the data width.
#pragma once

#include <stdint.h>

#include "calc_state.h"

// A shift's result and the bit it leaves in the carry flag.
struct ShiftOutcome {
    uint64_t value;
    bool carry;
};

// Shifts or rotates a by the count e (taken modulo 256) for OP_SHL or
// OP_SHR. A count of 0 leaves the value and clears the carry; in Rotate
// through Carry the ring of the width's bits and the carry flag shown now
// turns by the count modulo width + 1, and a whole turn leaves the carry.
ShiftOutcome ShiftAtWidth(OpCode op, uint64_t a, uint64_t e);
// The width's bytes in the opposite order.
uint64_t SwapBytesAtWidth(uint64_t value);
// The width's bits in the opposite order: bit 0 trades places with the top.
uint64_t ReverseBitsAtWidth(uint64_t value);
