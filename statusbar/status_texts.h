// The texts the status bar shows, and the same facts in words for readers:
// the bar, the bit readout, the fitting of the parts and the bar's object
// for readers all make their texts here, so each reads the same.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Which part shows which text.
const int STATUS_PART_PCI = 0;
const int STATUS_PART_WIDTH = 1;
const int STATUS_PART_BIT = 2;
// The open parentheses and the flags of the last operation: the bar's last
// part, right after the PCI readout while the binary row is hidden.
const int STATUS_PART_FLAGS = 3;

// The readout drops this many leading spaces while the hexadecimal row is
// alone: the window is narrow then.
const int LEADING_SPACES = 6;

// Writes a status text by a wsprintf format, cut to the buffer's size.
void FormatStatusText(char* buffer, size_t size, const char* format, ...);
// The readout of a value, with its leading spaces.
void FormatPciReadout(uint64_t value, char* buffer, size_t size);
// A selected field's text in the readout's place, with its leading spaces.
void FormatFieldReadout(uint64_t value, int32_t top, int32_t bottom, char* buffer, size_t size);
// The statement of a data width, with its leading spaces.
void FormatDataWidthText(int32_t width, char* buffer, size_t size);
// The readout of one bit, with its leading spaces.
void FormatBitReadout(int bit, char* buffer, size_t size);
// The open parentheses and the set flags, as "(2  CF OF SF"; empty while
// none is open and none is set.
void FormatFlagsText(int32_t openParens, uint32_t flags, char* buffer, size_t size);
// The same in words, as "2 open parentheses; carry, sign".
void FormatFlagsInWords(int32_t openParens, uint32_t flags, char* buffer, size_t size);
