// The carry, overflow, parity and sign flags of an operation at the data
// width, by the rules of the processor's instructions of the same names.
#pragma once

#include <stdint.h>

#include "engine/calc_state.h"

// The flags of a binary operation with operands a and e and result r: CF
// and OF for addition, subtraction, multiplication and the shifts, 0 for
// the others; PF and SF from the result.
uint32_t FlagsOfOperation(OpCode op, uint64_t a, uint64_t e, uint64_t r);
// The flags of a two's complement of value, r: CF unless value was 0, OF
// for the most negative value.
uint32_t FlagsOfNegation(uint64_t value, uint64_t r);
