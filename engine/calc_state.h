// The calculator's register set and digit entry. Everything here is plain
// arithmetic on one process-wide record; nothing knows about windows.
#pragma once

#include <stddef.h>
#include <stdint.h>

enum OpCode : int32_t {
    OP_EQUALS = 0,
    OP_ADD = 1,
    OP_SUB = 2,
    OP_MUL = 3,
    OP_DIV = 4,
    OP_SHL = 5,
    OP_SHR = 6,
    OP_MOD = 7,
    OP_AND = 8,
    OP_OR = 9,
    OP_XOR = 10,
};

enum RowIndex : int32_t {
    ROW_HEX = 0,
    ROW_DEC = 1,
    ROW_BIN = 2,
};

const int ROW_COUNT = 3;

// What "<" and ">" do when they are carried out: shift in zeros, shift
// right in copies of the sign bit, rotate within the width, or rotate the
// width's bits and the carry flag as one ring.
enum ShiftMode : int32_t {
    SHIFT_LOGICAL = 0,
    SHIFT_ARITHMETIC = 1,
    SHIFT_ROTATE = 2,
    SHIFT_ROTATE_CARRY = 3,
};

// Radix of each display row, indexed by RowIndex.
extern const int32_t RadixByRow[ROW_COUNT];

// At 64 bits a digit is accepted only while the entry register is below its
// row's limit. Hex and Bin stop exactly at 16 and 64 significant digits. The
// decimal limit sits above 0x199999999999999A on purpose: a 20th digit is
// still accepted and the product wraps modulo 2^64, so a wrapped small value
// keeps taking digits. At a narrower width Hex and Bin stop at width/4 and
// width digits, and Dec takes a digit only where the number it makes fits;
// so does an unsigned Dec row at 64 bits.
const uint64_t ENTRY_LIMIT_HEX = 0x1000000000000000ull;
const uint64_t ENTRY_LIMIT_DEC = 0x1A00000000000000ull;
const uint64_t ENTRY_LIMIT_BIN = 0x8000000000000000ull;
extern const uint64_t EntryLimitByRow[ROW_COUNT];

// The data widths a user can choose, in bits; the first is the widest.
const int DATA_WIDTH_COUNT = 4;
extern const int32_t DataWidths[DATA_WIDTH_COUNT];
const int32_t MAX_DATA_WIDTH = 64;

// Sound type handed to the platform's message beep for a refused digit.
const unsigned ENTRY_BEEP = 0x32;

// The flags of the last binary operation, as the processor sets its own:
// a carry or borrow out of the top bit, a signed overflow, an even number
// of one bits in the result's low byte, the result's sign bit.
const uint32_t FLAG_CF = 1;
const uint32_t FLAG_OF = 2;
const uint32_t FLAG_PF = 4;
const uint32_t FLAG_SF = 8;

// At most this many parentheses are open at once.
const int MAX_OPEN_PARENS = 32;

// What an open parenthesis keeps aside: the calculation around it.
struct OuterCalculation {
    uint64_t accumulator;
    OpCode pendingOp;
};

struct CalcState {
    uint64_t accumulator;
    uint64_t entry;
    bool showingResult;    // true: the accumulator is shown, else the entry
    OpCode pendingOp;
    RowIndex activeRow;
    int32_t activeRadix;   // always RadixByRow[activeRow]
    int32_t dataWidth;     // 64, 32, 16 or 8: no register holds a bit above it
    bool unsignedDecimal;  // the decimal row shows and takes unsigned numbers
    ShiftMode shiftMode;   // read when a shift is carried out
    uint32_t flags;        // FLAG_ bits of the last binary operation
    int32_t openParens;    // how many of outer[] hold a calculation
    OuterCalculation outer[MAX_OPEN_PARENS];
};

// The one register set of the process. Written only by EnterDigit, the
// operator keys, SetActiveRow, SetDataWidth, SetUnsignedDecimal and
// SetShiftMode;
// everybody else reads it.
extern CalcState g_calc;

// The value every row, the status bar and the clipboard show.
uint64_t ShownValue();

// The digit value of "0".."9", "A".."F" and "a".."f", or -1 for any other
// character: the characters typed or pasted as digits.
int DigitOfCharacter(int ch);

// Every bit of the data width set: each result is taken modulo 2^width.
uint64_t WidthMask();
// Bit width-1 of a value: the decimal row shows it as a negative number.
bool IsNegativeAtWidth(uint64_t value);
// The magnitude of a value read as a signed number of the data width.
uint64_t MagnitudeAtWidth(uint64_t value);
// Chooses the data width; the registers, the kept ones included, keep
// their low bits and lose the bits above it. The pending operator and the
// shown register stay; the flags are cleared.
void SetDataWidth(int32_t width);

// Appends a digit (0..15) to the entry register in the active radix. A
// digit the radix lacks is ignored; one that would pass the entry limit
// at the data width beeps, changes nothing and gives false.
bool EnterDigit(int32_t digit);
// Enters pasted text digit by digit: it stops at the first character that
// is no digit character, at a NUL, after length characters, or after the
// first digit refused at the limit (nothing later can change the entry,
// and a long text must not sound one alert per character).
void EnterDigitText(const char* text, size_t length);

// Makes a row active; the radix follows it. Row visibility is the caller's.
void SetActiveRow(RowIndex row);
// Whether the decimal row reads the value unsigned; its digit entry then
// stops where the number would pass the width unsigned, at 64 bits too.
void SetUnsignedDecimal(bool isUnsigned);
void SetShiftMode(ShiftMode mode);

// Supplied by the application: an audible alert for a refused digit.
void SoundEntryBeep();
