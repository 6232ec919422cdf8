#include "format.h"

#include "calc_state.h"

namespace {

// Zero until the window is first sized.
int g_fieldWidth = 0;

char DigitCharacter(unsigned digit)
{
    return (char)(digit < 10 ? '0' + digit : 'A' + digit - 10);
}

} // namespace

int FieldWidth()
{
    return g_fieldWidth;
}

// The width is kept within what a FORMAT_BUFFER_SIZE buffer can hold.
void SetFieldWidth(int width)
{
    if (width < 0)
        width = 0;
    if (width > FORMAT_BUFFER_SIZE - 1)
        width = FORMAT_BUFFER_SIZE - 1;
    g_fieldWidth = width;
}

void FormatNumber(uint64_t value, char* buffer, int32_t radix, int32_t groupSize,
                  char separator, bool isSigned)
{
    int p = g_fieldWidth - 1;
    for (int i = 0; i < g_fieldWidth; i++)
        buffer[i] = ' ';
    buffer[g_fieldWidth] = '\0';
    if (radix < 2 || radix > 36)
        return;

    bool negative = isSigned && IsNegativeAtWidth(value);
    uint64_t magnitude = negative ? MagnitudeAtWidth(value) : value;
    for (int k = 1; p >= 0; k++) {
        buffer[p--] = DigitCharacter((unsigned)(magnitude % (uint64_t)radix));
        magnitude /= (uint64_t)radix;
        if (magnitude == 0 || k >= MAX_FORMAT_DIGITS)
            break;
        if (groupSize > 0 && k % groupSize == 0 && p >= 0)
            buffer[p--] = separator;
    }
    if (negative && p >= 0)
        buffer[p] = '-';
}
