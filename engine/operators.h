// The character keys of the calculator: binary operators evaluated strictly
// left to right, parentheses, "=", Backspace, Esc and the two complements.
#pragma once

#include <stdint.h>

// True for the twenty-two characters that PressOperatorKey acts on.
bool IsOperatorKey(int ch);

// Performs the action of one character key; other characters do nothing.
void PressOperatorKey(int ch);

// Flips one bit of the shown register, as "~" flips them all: the flags
// and the open parentheses stay; a bit past the data width changes nothing.
void FlipShownBit(int32_t bit);
// Flips or clears the bits of a mask in the shown register, the same way.
void FlipShownBits(uint64_t mask);
void ClearShownBits(uint64_t mask);
// The shown register's bytes, or bits, in the opposite order within the
// data width, as "~" changes it.
void SwapShownBytes();
void ReverseShownBits();
// Folds the entry register into the accumulator by the pending operator.
void ApplyPendingOperator();
