// The calculator's register set and digit entry. Everything here is plain
// arithmetic on one process-wide record; nothing knows about windows.
#pragma once

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

// Radix of each display row, indexed by RowIndex.
extern const int32_t RadixByRow[ROW_COUNT];

// A digit is accepted only while the entry register is below its row's limit.
// Hex and Bin stop exactly at 16 and 64 significant digits. The decimal limit
// sits above 0x199999999999999A on purpose: a 20th digit is still accepted and
// the product wraps modulo 2^64, so a wrapped small value keeps taking digits.
const uint64_t ENTRY_LIMIT_HEX = 0x1000000000000000ull;
const uint64_t ENTRY_LIMIT_DEC = 0x1A00000000000000ull;
const uint64_t ENTRY_LIMIT_BIN = 0x8000000000000000ull;
extern const uint64_t EntryLimitByRow[ROW_COUNT];

// Sound type handed to the platform's message beep for a refused digit.
const unsigned ENTRY_BEEP = 0x32;

struct CalcState {
    uint64_t accumulator;
    uint64_t entry;
    bool showingResult;    // true: the accumulator is shown, else the entry
    OpCode pendingOp;
    RowIndex activeRow;
    int32_t activeRadix;   // always RadixByRow[activeRow]
};

// The one register set of the process. Written only by EnterDigit, the
// operator keys and SetActiveRow; everybody else reads it.
extern CalcState g_calc;

// The value every row, the status bar and the clipboard show.
uint64_t ShownValue();

// The digit value of "0".."9", "A".."F" and "a".."f", or -1 for any other
// character: the characters typed or pasted as digits.
int DigitOfCharacter(int ch);

// Appends a digit (0..15) to the entry register in the active radix.
void EnterDigit(int32_t digit);

// True when the entry register has reached the active row's limit, so
// EnterDigit refuses (and beeps at) any digit of the active radix.
bool IsEntryFull();

// Makes a row active; the radix follows it. Row visibility is the caller's.
void SetActiveRow(RowIndex row);

// Supplied by the application: an audible alert for a refused digit.
void SoundEntryBeep();
