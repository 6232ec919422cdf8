// Turns a 64-bit value into the right-aligned text of a display row or of a
// clipboard copy.
#pragma once

#include <stdint.h>

const int MAX_FORMAT_DIGITS = 99;
// A group size larger than any digit count: no separator is ever written.
const int NO_GROUPING = 999;
// Every buffer handed to FormatNumber holds at least this many characters.
const int FORMAT_BUFFER_SIZE = 100;

// The number of characters in which every row text is right-aligned. The
// window's sizing sets it; FormatNumber reads it.
int FieldWidth();
void SetFieldWidth(int width);

// Writes exactly FieldWidth() characters and a NUL into buffer: spaces, then
// the digits of value, most significant first, with separator between groups
// of groupSize digits, and a leading "-" for the sign bit of the data width
// (bit width-1) when isSigned is set.
// A text wider than the field loses its leftmost characters, so nothing is
// ever written outside the buffer.
void FormatNumber(uint64_t value, char* buffer, int32_t radix, int32_t groupSize,
                  char separator, bool isSigned);
