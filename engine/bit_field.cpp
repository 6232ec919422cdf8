#include "bit_field.h"

namespace {

const int DECIMAL_FIELD_BITS = 16;

// Writes value's digits in the radix, most significant first, and returns
// the end of the text.
char* AppendDigits(uint64_t value, unsigned radix, char* out)
{
    char digits[20];
    int count = 0;
    do {
        digits[count++] = "0123456789ABCDEF"[value % radix];
        value /= radix;
    } while (value != 0);
    while (count > 0)
        *out++ = digits[--count];
    *out = 0;
    return out;
}

char* AppendText(const char* text, char* out)
{
    while (*text != 0)
        *out++ = *text++;
    *out = 0;
    return out;
}

} // namespace

uint64_t FieldMask(int32_t top, int32_t bottom)
{
    uint64_t upToTop = top >= 63 ? ~0ull : (2ull << top) - 1;
    return upToTop & ~((1ull << bottom) - 1);
}

uint64_t FieldValue(uint64_t value, int32_t top, int32_t bottom)
{
    return (value & FieldMask(top, bottom)) >> bottom;
}

void FormatFieldText(uint64_t value, int32_t top, int32_t bottom, char* buffer)
{
    uint64_t field = FieldValue(value, top, bottom);
    char* out = AppendText("Bits ", buffer);
    out = AppendDigits((uint64_t)top, 10, out);
    out = AppendText(":", out);
    out = AppendDigits((uint64_t)bottom, 10, out);
    out = AppendDigits(field, 16, AppendText(" = 0x", out));
    if (top - bottom < DECIMAL_FIELD_BITS)
        AppendDigits(field, 10, AppendText(" = ", out));
}
