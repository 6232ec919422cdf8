#include "operators.h"

#include <string.h>

#include "calc_state.h"

namespace {

const char OPERATOR_KEYS[] = "\b\r\x1b!%&*+-/<=>^jkmo|~";

const int KEY_BACKSPACE = 8;
const int KEY_ENTER = 13;
const int KEY_ESCAPE = 27;

// A shift count of the data width or more (after taking the low 8 bits)
// shifts every bit out.
uint64_t ShiftLeft(uint64_t value, uint64_t count)
{
    int shift = (int)(count & 0xFF);
    return shift >= g_calc.dataWidth ? 0 : value << shift;
}

uint64_t ShiftRight(uint64_t value, uint64_t count)
{
    int shift = (int)(count & 0xFF);
    return shift >= g_calc.dataWidth ? 0 : value >> shift;
}

// Division and remainder by zero are refused: the left operand survives and
// the user hears the same alert as for a refused digit.
uint64_t DivideOrRefuse(uint64_t a, uint64_t e, bool remainder)
{
    if (e == 0) {
        SoundEntryBeep();
        return a;
    }
    return remainder ? a % e : a / e;
}

uint64_t Evaluate(OpCode op, uint64_t a, uint64_t e)
{
    switch (op) {
    case OP_EQUALS: return e;
    case OP_ADD: return a + e;
    case OP_SUB: return a - e;
    case OP_MUL: return a * e;
    case OP_DIV: return DivideOrRefuse(a, e, false);
    case OP_SHL: return ShiftLeft(a, e);
    case OP_SHR: return ShiftRight(a, e);
    case OP_MOD: return DivideOrRefuse(a, e, true);
    case OP_AND: return a & e;
    case OP_OR: return a | e;
    case OP_XOR: return a ^ e;
    }
    return a;
}

// The register on display: the accumulator while a result is shown.
uint64_t& ShownRegister()
{
    return g_calc.showingResult ? g_calc.accumulator : g_calc.entry;
}

void PressBinaryOperator(OpCode op)
{
    ApplyPendingOperator();
    g_calc.pendingOp = op;
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
    g_calc.accumulator =
        Evaluate(g_calc.pendingOp, g_calc.accumulator, g_calc.entry) & WidthMask();
    g_calc.entry = 0;
    g_calc.showingResult = true;
}

void PressOperatorKey(int ch)
{
    switch (ch) {
    case KEY_BACKSPACE: g_calc.entry /= (uint64_t)g_calc.activeRadix; break;
    case KEY_ENTER: PressBinaryOperator(OP_EQUALS); break;
    case KEY_ESCAPE: PressEscape(); break;
    case '!': ShownRegister() = (0 - ShownRegister()) & WidthMask(); break;
    case '%': PressBinaryOperator(OP_MOD); break;
    case '&': PressBinaryOperator(OP_AND); break;
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
