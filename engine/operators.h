// The character keys of the calculator: binary operators evaluated strictly
// left to right, parentheses, "=", Backspace, Esc and the two complements.
#pragma once

// True for the twenty-two characters that PressOperatorKey acts on.
bool IsOperatorKey(int ch);

// Performs the action of one character key; other characters do nothing.
void PressOperatorKey(int ch);

// Folds the entry register into the accumulator by the pending operator.
void ApplyPendingOperator();
