// A field of bits as datasheets write it, top:bottom with both ends
// included: its mask, its value shifted down and its text.
#pragma once

#include <stdint.h>

// Every text FormatFieldText writes fits this many characters.
const int FIELD_TEXT_SIZE = 48;

// The bits bottom to top, both included (top >= bottom).
uint64_t FieldMask(int32_t top, int32_t bottom);
// The field's bits of value, shifted down to bit 0.
uint64_t FieldValue(uint64_t value, int32_t top, int32_t bottom);
// "Bits 15:8 = 0x3F = 63": the value in upper-case hex without leading
// zeros and in unsigned decimal; a field of more than 16 bits in hex alone.
void FormatFieldText(uint64_t value, int32_t top, int32_t bottom, char* buffer);
