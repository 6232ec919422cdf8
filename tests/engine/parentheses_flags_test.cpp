// Parentheses and the carry, overflow, parity and sign flags, natively: a
// table of key sequences, and the flag rules checked against the
// processor's own instructions on the same operands at every width.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "beep_counter.h"
#include "engine/operators.h"
#include "keys.h"

namespace {

const uint32_t CF = FLAG_CF, OF = FLAG_OF, PF = FLAG_PF, SF = FLAG_SF;

TEST(ParenthesesAndFlags, KeySequences)
{
    const RowIndex H = ROW_HEX, D = ROW_DEC;
    const std::string esc(1, ESC), enter(1, ENTER);
    struct Case {
        int32_t width;
        RowIndex row;
        std::string keys;
        uint64_t shown;
        int open;
        uint32_t flags;
        int beeps;
        // Then, where given, the width changes, a bit of the shown register
        // flips and more keys follow.
        int32_t nextWidth = 0;
        std::string moreKeys = "";
        int flip = -1;
        // A field's bits flipped (Space) or cleared (Delete) with the bit.
        uint64_t flipMask = 0, clearMask = 0;
        // The shift mode chosen before the more keys.
        ShiftMode mode = SHIFT_LOGICAL;
    };
    const Case cases[] = {
        {64, D, "5*(3+4)=", 35, 0, 0, 0},
        {64, D, "2*(3+(4*5))=", 46, 0, PF, 0},
        {64, D, "9(3+4)=", 7, 0, 0, 0},
        {64, D, "(3+4)5", 75, 0, 0, 0},
        {64, D, "5)+1=", 6, 0, PF, 0},
        {64, D, "5*(3+4)", 7, 0, 0, 0},
        {64, D, "2*(3+(4" + enter, 14, 0, 0, 0},
        {64, H, "9*(" + esc + "12+1)=", 0xAB, 0, 0, 0},
        {64, H, "9*(" + esc + "12", 0x12, 1, PF, 0},
        {64, H, std::string(33, '('), 0, 32, 0, 1},
        {8, H, "F0+(20)=", 0x10, 0, CF, 0},
        // A change of width clears the flags and masks the kept sums.
        {8, H, "FF+1=", 0, 0, 0, 0, 16, ""},
        {64, H, "100+(", 0, 0, PF, 0, 8, "0)="},
        // The first operator adds to 0; "!" negates as the processor does;
        // a number loaded after "=", a refused division, Esc, "~", digits
        // and Backspace leave the flags.
        {8, H, "80+", 0x80, 0, SF, 0},
        {8, H, "80!", 0x80, 0, CF | OF | SF, 0},
        {8, H, "FF+1=5=", 5, 0, CF | PF, 0},
        {8, H, "80+1=/0=", 0x81, 0, PF | SF, 1},
        {8, H, "80+1=" + esc + "~7\b", 0, 0, PF | SF, 0},
        {8, H, "F0/10=", 0xF, 0, PF, 0},
        // Shifts: the last bit out, none past the width; multiplication.
        {8, H, "81<8=", 0, 0, CF | OF | PF, 0},
        {8, H, "81<9=", 0, 0, OF | PF, 0},
        {8, H, "FF*2=", 0xFE, 0, CF | SF, 0},
        {8, H, "F*11=", 0xFF, 0, OF | PF | SF, 0},
        {8, H, "80*1=", 0x80, 0, SF, 0},
        {16, H, "FF*FF=", 0xFE01, 0, OF | SF, 0},
        {64, H, "FFFFFFFF*FFFFFFFF=", 0xFFFFFFFE00000001ull, 0, OF | SF, 0},
        {64, H, "FFFFFFFFFFFFFFFF*FFFFFFFFFFFFFFFF=", 1, 0, CF, 0},
        // A flip works on the shown register, as "~" does: the top bit of a
        // result or of an entry that takes more digits; the flags and the
        // parentheses stay, and a bit past the width is none.
        {8, H, "80+1=", 0x01, 0, PF | SF, 0, 0, "", 7},
        {16, H, "(", 0x8000, 1, 0, 0, 0, "", 15},
        {32, H, "5", 0x80000005, 0, 0, 0, 0, "", 31},
        {64, H, "1=", 0x8000000000000002ull, 0, SF, 0, 0, "+1=", 63},
        {64, H, "1", 0x112, 0, 0, 0, 0, "2", 4},
        {8, H, "1", 1, 0, 0, 0, 0, "", 8},
        {8, H, "80+1=", 0x71, 0, PF | SF, 0, 0, "", -1, 0xF0},
        {16, H, "(1234", 0xED34, 1, 0, 0, 0, "", -1, ~0ull << 8},
        {64, H, "12345678", 0x123000789, 0, 0, 0, 0, "9", -1, 0, 0xFFF00},
        {32, H, "F0+F=", 0xF, 0, PF, 0, 0, "", -1, 0, ~0ull << 4},
        // A shift takes the mode in force when it is carried out.
        {8, H, "80>1", 0xC0, 0, PF | SF, 0, 0, "=", -1, 0, 0, SHIFT_ARITHMETIC},
        {8, H, "80<1", 0x01, 0, 0, 0, 0, "=<1=", -1, 0, 0, SHIFT_ROTATE_CARRY},
        {8, H, "80<1=", 0x00, 0, CF | OF | PF, 0, 0, "", -1, 0, 0, SHIFT_ROTATE_CARRY},
    };
    for (const Case& c : cases) {
        ResetEngine();
        SetDataWidth(c.width);
        TypeKeysInRow(c.row, c.keys);
        if (c.nextWidth != 0)
            SetDataWidth(c.nextWidth);
        FlipShownBit(c.flip);
        FlipShownBits(c.flipMask);
        ClearShownBits(c.clearMask);
        SetShiftMode(c.mode);
        TypeKeys(c.moreKeys);
        std::string name = std::to_string(c.width) + " bits: " + c.keys + " | " + c.moreKeys;
        EXPECT_EQ(ShownValue(), c.shown) << name;
        EXPECT_EQ(g_calc.openParens, c.open) << name;
        EXPECT_EQ(g_calc.flags, c.flags) << name;
        EXPECT_EQ(g_beepCount, c.beeps) << name;
    }
}

// The engine's flags of one operation at a width, in a shift mode with the
// carry flag shown as given; OP_EQUALS stands for "!" on a.
uint32_t EngineFlags(int32_t width, OpCode op, uint64_t a, uint64_t e,
                     ShiftMode mode = SHIFT_LOGICAL, bool carry = false)
{
    ResetEngine();
    SetDataWidth(width);
    SetShiftMode(mode);
    g_calc.flags = carry ? CF : 0;
    g_calc.accumulator = a;
    g_calc.entry = op == OP_EQUALS ? a : e;
    g_calc.pendingOp = op;
    if (op == OP_EQUALS)
        PressOperatorKey('!');
    else
        ApplyPendingOperator();
    return g_calc.flags;
}

uint32_t Pack(bool cf, bool of, bool pf, bool sf)
{
    return (cf ? CF : 0) | (of ? OF : 0) | (pf ? PF : 0) | (sf ? SF : 0);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The processor's flags after one instruction on operands of T's width.
#define PROCESSOR_FLAGS(name, instruction)                                                    \
    template <typename T>                                                                     \
    int64_t name(T a, T e)                                                                    \
    {                                                                                         \
        uint8_t cf, of, pf, sf;                                                               \
        asm(instruction "\n\tsetc %[cf]\n\tseto %[of]\n\tsetp %[pf]\n\tsets %[sf]"            \
            : [a] "+q"(a), [cf] "=q"(cf), [of] "=q"(of), [pf] "=q"(pf), [sf] "=q"(sf)         \
            : [e] "q"(e)                                                                      \
            : "cc");                                                                          \
        return Pack(cf, of, pf, sf);                                                          \
    }
PROCESSOR_FLAGS(ProcessorAdd, "add %[e], %[a]")
PROCESSOR_FLAGS(ProcessorSub, "sub %[e], %[a]")
PROCESSOR_FLAGS(ProcessorAnd, "and %[e], %[a]")
PROCESSOR_FLAGS(ProcessorOr, "or %[e], %[a]")
PROCESSOR_FLAGS(ProcessorXor, "xor %[e], %[a]")
PROCESSOR_FLAGS(ProcessorShl1, "shl $1, %[a]")
PROCESSOR_FLAGS(ProcessorShr1, "shr $1, %[a]")
PROCESSOR_FLAGS(ProcessorNeg, "neg %[a]")

// The product's CF from the unsigned "mul" and its OF from the signed
// "imul", both in the one-operand form that every width has.
template <typename T>
int64_t ProcessorMul(T a, T e)
{
    T b = a;
    uint8_t cf, of;
    asm("mul %[e]\n\tsetc %[cf]" : [a] "+a"(a), [cf] "=q"(cf) : [e] "q"(e) : "rdx", "cc");
    asm("imul %[e]\n\tseto %[of]" : [b] "+a"(b), [of] "=q"(of) : [e] "q"(e) : "rdx", "cc");
    return Pack(cf, of, 0, 0);
}

// The processor's flags, or -1 where it has no rule to compare: shifts by
// other counts than 1. A product's PF and SF are undefined, so only its CF
// and OF are compared.
template <typename T, typename S>
int64_t ReferenceFlags(OpCode op, T a, T e, uint32_t* mask)
{
    switch (op) {
    case OP_MUL: *mask = CF | OF; return ProcessorMul(a, e);
    case OP_EQUALS: return ProcessorNeg(a, e);
    case OP_ADD: return ProcessorAdd(a, e);
    case OP_SUB: return ProcessorSub(a, e);
    case OP_AND: return ProcessorAnd(a, e);
    case OP_OR: return ProcessorOr(a, e);
    case OP_XOR: return ProcessorXor(a, e);
    case OP_SHL: return e == 1 ? ProcessorShl1(a, e) : -1;
    case OP_SHR: return e == 1 ? ProcessorShr1(a, e) : -1;
    default: return -1;
    }
}
#else
// Without the processor, the compiler's overflow checks give CF and OF of
// +, - and x; the other flags are not compared.
template <typename T, typename S>
int64_t ReferenceFlags(OpCode op, T a, T e, uint32_t* mask)
{
    T u;
    S s;
    *mask = CF | OF;
    switch (op) {
    case OP_ADD:
        return Pack(__builtin_add_overflow(a, e, &u), __builtin_add_overflow((S)a, (S)e, &s), 0, 0);
    case OP_SUB:
        return Pack(__builtin_sub_overflow(a, e, &u), __builtin_sub_overflow((S)a, (S)e, &s), 0, 0);
    case OP_MUL:
        return Pack(__builtin_mul_overflow(a, e, &u), __builtin_mul_overflow((S)a, (S)e, &s), 0, 0);
    default: return -1;
    }
}
#endif

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The processor's result, CF and OF after one shift or rotate by cl, CF set
// as given before it.
#define PROCESSOR_SHIFT(name, instruction)                                                    \
    template <typename T>                                                                     \
    std::pair<uint64_t, uint32_t> name(T a, uint8_t count, bool carry)                        \
    {                                                                                         \
        uint8_t cf, of;                                                                       \
        asm("bt $0, %[in]\n\t" instruction " %%cl, %[a]\n\tsetc %[cf]\n\tseto %[of]"          \
            : [a] "+q"(a), [cf] "=q"(cf), [of] "=q"(of)                                       \
            : [in] "r"((unsigned)carry), "c"(count) : "cc");                                  \
        return {a, Pack(cf, of, 0, 0)};                                                       \
    }
PROCESSOR_SHIFT(ProcessorSar, "sar")
PROCESSOR_SHIFT(ProcessorRol, "rol")
PROCESSOR_SHIFT(ProcessorRor, "ror")
PROCESSOR_SHIFT(ProcessorRcl, "rcl")
PROCESSOR_SHIFT(ProcessorRcr, "rcr")

// Where the calculator differs from the processor on purpose, nothing is
// compared: the processor takes the count modulo 32 (64 at 64 bits) first,
// the calculator the whole count (modulo 256), then for a rotate modulo the
// width (width + 1 through the carry); the calculator keeps OF's rule for a
// count of 1 at every count; the processor leaves CF where its count is 0.
template <typename T>
void ExpectShiftsAtWidth(int32_t width)
{
    typedef std::pair<uint64_t, uint32_t> (*Processor)(T, uint8_t, bool);
    struct Mode { ShiftMode mode; OpCode op; Processor processor; int ring; };
    const Mode modes[] = {
        {SHIFT_ARITHMETIC, OP_SHR, ProcessorSar<T>, 0},
        {SHIFT_ROTATE, OP_SHL, ProcessorRol<T>, width},
        {SHIFT_ROTATE, OP_SHR, ProcessorRor<T>, width},
        {SHIFT_ROTATE_CARRY, OP_SHL, ProcessorRcl<T>, width + 1},
        {SHIFT_ROTATE_CARRY, OP_SHR, ProcessorRcr<T>, width + 1},
    };
    const T values[] = {1, (T)~(T)0, (T)((T)~(T)0 / 2 + 1), (T)0x5A5A5A5A5A5A5A5Aull};
    for (const Mode& m : modes)
        for (T a : values)
            for (int count = 0; count <= 2 * width + 2; count++)
                for (bool carry : {false, true}) {
                    // An arithmetic shift by the width or more gives all sign bits.
                    int masked = count & (width == 64 ? 63 : 31);
                    int rule = m.ring ? count % m.ring : (count < width ? count : width);
                    if (rule != (m.ring ? masked % m.ring : (masked < width ? masked : width)))
                        continue;
                    uint32_t flags = EngineFlags(width, m.op, a, (uint64_t)count, m.mode, carry);
                    uint32_t compared = (masked != 0 ? CF : 0) | (count == 1 ? OF : 0);
                    auto cpu = m.processor(a, (uint8_t)count, carry);
                    EXPECT_EQ(std::make_pair(g_calc.accumulator, flags & compared),
                              std::make_pair(cpu.first, cpu.second & compared))
                        << width << " bits, mode " << m.mode << ", op " << m.op << ", a " << +a
                        << ", count " << count << ", carry " << carry;
                }
}

TEST(ParenthesesAndFlags, ShiftModesAreTheProcessors)
{
    ExpectShiftsAtWidth<uint8_t>(8);
    ExpectShiftsAtWidth<uint16_t>(16);
    ExpectShiftsAtWidth<uint32_t>(32);
    ExpectShiftsAtWidth<uint64_t>(64);
}
#endif

template <typename T, typename S>
void ExpectFlagsAtWidth(int32_t width)
{
    const T max = (T)~(T)0, mostNegative = (T)(max / 2 + 1);
    const T edges[] = {0, 1, max, mostNegative, (T)(mostNegative - 1)};
    const OpCode ops[] = {OP_EQUALS, OP_ADD, OP_SUB, OP_MUL, OP_AND, OP_OR, OP_XOR, OP_SHL, OP_SHR};
    for (OpCode op : ops)
        for (T a : edges)
            for (T e : edges) {
                uint32_t mask = CF | OF | PF | SF;
                int64_t reference = ReferenceFlags<T, S>(op, a, e, &mask);
                if (reference >= 0) {
                    EXPECT_EQ(EngineFlags(width, op, a, e) & mask, reference)
                        << width << " bits, op " << op << ", a " << +a << ", e " << +e;
                }
            }
}

TEST(ParenthesesAndFlags, FlagsAreTheProcessors)
{
    ExpectFlagsAtWidth<uint8_t, int8_t>(8);
    ExpectFlagsAtWidth<uint16_t, int16_t>(16);
    ExpectFlagsAtWidth<uint32_t, int32_t>(32);
    ExpectFlagsAtWidth<uint64_t, int64_t>(64);
}

} // namespace
