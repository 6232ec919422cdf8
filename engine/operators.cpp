#include "operators.h"

#include <stdint.h>
#include <string.h>

#include "calc_state.h"
#include "flags.h"
#include "shifts.h"

namespace {

const char OPERATOR_KEYS[] = "\b\r\x1b!%&()*+-/<=>^jkmo|~";

const int KEY_BACKSPACE = 8;
const int KEY_ENTER = 13;
const int KEY_ESCAPE = 27;

// The result of a binary operation at the data width.
uint64_t Evaluate(OpCode op, uint64_t a, uint64_t e)
{
    switch (op) {
    case OP_EQUALS: return e;
    case OP_ADD: return (a + e) & WidthMask();
    case OP_SUB: return (a - e) & WidthMask();
    case OP_MUL: return (a * e) & WidthMask();
    case OP_DIV: return a / e;
    case OP_SHL:
    case OP_SHR: return ShiftAtWidth(op, a, e).value;
    case OP_MOD: return a % e;
    case OP_AND: return a & e;
    case OP_OR: return a | e;
    case OP_XOR: return a ^ e;
    }
    return a;
}

// Division and remainder by zero are refused: the left operand and the
// flags survive, and the user hears the same alert as for a refused digit.
// Loading a number after "=" is no operation and leaves the flags too.
void PerformOperation(OpCode op)
{
    uint64_t a = g_calc.accumulator, e = g_calc.entry;
    if ((op == OP_DIV || op == OP_MOD) && e == 0) {
        SoundEntryBeep();
        return;
    }
    g_calc.accumulator = Evaluate(op, a, e);
    if (op != OP_EQUALS)
        g_calc.flags = FlagsOfOperation(op, a, e, g_calc.accumulator);
}

// The register on display: the accumulator while a result is shown.
uint64_t& ShownRegister()
{
    return g_calc.showingResult ? g_calc.accumulator : g_calc.entry;
}

// The calculation around it is kept aside, and a fresh one starts inside,
// as at start-up: the number typed before it is dropped.
void OpenParenthesis()
{
    if (g_calc.openParens >= MAX_OPEN_PARENS) {
        SoundEntryBeep();
        return;
    }
    g_calc.outer[g_calc.openParens++] = {g_calc.accumulator, g_calc.pendingOp};
    g_calc.accumulator = 0;
    g_calc.pendingOp = OP_ADD;
    g_calc.entry = 0;
    g_calc.showingResult = false;
}

// The inner calculation ends as "=" ends one, and its result comes back to
// the calculation around it as a typed number would.
void CloseParenthesis()
{
    if (g_calc.openParens == 0)
        return;
    ApplyPendingOperator();
    const OuterCalculation& outer = g_calc.outer[--g_calc.openParens];
    g_calc.entry = g_calc.accumulator;
    g_calc.accumulator = outer.accumulator;
    g_calc.pendingOp = outer.pendingOp;
    g_calc.showingResult = false;
}

// "=" closes every open parenthesis first.
void PressBinaryOperator(OpCode op)
{
    if (op == OP_EQUALS)
        while (g_calc.openParens > 0)
            CloseParenthesis();
    ApplyPendingOperator();
    g_calc.pendingOp = op;
}

void NegateShownRegister()
{
    uint64_t value = ShownRegister();
    ShownRegister() = (0 - value) & WidthMask();
    g_calc.flags = FlagsOfNegation(value, ShownRegister());
}

void PressEscape()
{
    if (g_calc.showingResult)
        g_calc.accumulator = 0;
    else
        g_calc.entry = 0;
    g_calc.showingResult = true;
}

} // namespace

bool IsOperatorKey(int ch)
{
    return ch > 0 && ch < 256 && strchr(OPERATOR_KEYS, ch) != NULL;
}

void ApplyPendingOperator()
{
    // "=" right after a result has nothing new to fold in.
    if (g_calc.pendingOp == OP_EQUALS && g_calc.showingResult)
        return;
    PerformOperation(g_calc.pendingOp);
    g_calc.entry = 0;
    g_calc.showingResult = true;
}

void FlipShownBit(int32_t bit)
{
    if (bit >= 0 && bit < g_calc.dataWidth)
        ShownRegister() ^= 1ull << bit;
}

void FlipShownBits(uint64_t mask)
{
    ShownRegister() ^= mask & WidthMask();
}

void ClearShownBits(uint64_t mask)
{
    ShownRegister() &= ~mask;
}

void SwapShownBytes()
{
    ShownRegister() = SwapBytesAtWidth(ShownRegister());
}

void ReverseShownBits()
{
    ShownRegister() = ReverseBitsAtWidth(ShownRegister());
}

void PressOperatorKey(int ch)
{
    switch (ch) {
    case KEY_BACKSPACE: g_calc.entry /= (uint64_t)g_calc.activeRadix; break;
    case KEY_ENTER: PressBinaryOperator(OP_EQUALS); break;
    case KEY_ESCAPE: PressEscape(); break;
    case '!': NegateShownRegister(); break;
    case '%': PressBinaryOperator(OP_MOD); break;
    case '&': PressBinaryOperator(OP_AND); break;
    case '(': OpenParenthesis(); break;
    case ')': CloseParenthesis(); break;
    case '*': PressBinaryOperator(OP_MUL); break;
    case '+': PressBinaryOperator(OP_ADD); break;
    case '-': PressBinaryOperator(OP_SUB); break;
    case '/': PressBinaryOperator(OP_DIV); break;
    case '<': PressBinaryOperator(OP_SHL); break;
    case '=': PressBinaryOperator(OP_EQUALS); break;
    case '>': PressBinaryOperator(OP_SHR); break;
    case '^': PressBinaryOperator(OP_XOR); break;
    case 'j': PressBinaryOperator(OP_MUL); break;
    case 'k': PressBinaryOperator(OP_ADD); break;
    case 'm': PressBinaryOperator(OP_SUB); break;
    case 'o': PressBinaryOperator(OP_DIV); break;
    case '|': PressBinaryOperator(OP_OR); break;
    case '~': ShownRegister() = ~ShownRegister() & WidthMask(); break;
    default: break;
    }
}
