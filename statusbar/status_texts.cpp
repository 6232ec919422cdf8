#include "statusbar/status_texts.h"

#include <windows.h>

#include <stdarg.h>

#include "engine/bit_field.h"
#include "engine/calc_state.h"

namespace {

// The system's formatting writes at most this many characters; the C
// runtime's would bring its whole formatting engine into the program.
const int MAX_FORMATTED = 1024;
const int FLAG_COUNT = 4;
const uint32_t FLAGS_IN_ORDER[FLAG_COUNT] = {FLAG_CF, FLAG_OF, FLAG_PF, FLAG_SF};

// Appends the names of the set flags, in the order CF OF PF SF, to the
// text in buffer, a separator before each but the text's first.
void AppendFlagNames(uint32_t flags, const char* const names[], const char* separator,
                     char* buffer)
{
    for (int i = 0; i < FLAG_COUNT; i++)
        if (flags & FLAGS_IN_ORDER[i]) {
            if (buffer[0] != 0)
                lstrcatA(buffer, separator);
            lstrcatA(buffer, names[i]);
        }
}

} // namespace

void FormatStatusText(char* buffer, size_t size, const char* format, ...)
{
    char text[MAX_FORMATTED + 1];
    va_list arguments;
    va_start(arguments, format);
    wvsprintfA(text, format, arguments);
    va_end(arguments);
    lstrcpynA(buffer, text, (int)size);
}

// Bus, device, function and register fields of a configuration address:
// bits 23..16, 15..11, 10..8 and 7..0.
void FormatPciReadout(uint64_t value, char* buffer, size_t size)
{
    FormatStatusText(buffer, size, "      Bus=%02X  |  Dev=%02X  |  Func=%X  |  Reg=%02X",
                     (unsigned)((value >> 16) & 0xFF), (unsigned)((value >> 11) & 0x1F),
                     (unsigned)((value >> 8) & 7), (unsigned)(value & 0xFF));
}

void FormatFieldReadout(uint64_t value, int32_t top, int32_t bottom, char* buffer, size_t size)
{
    char field[FIELD_TEXT_SIZE];
    FormatFieldText(value, top, bottom, field);
    FormatStatusText(buffer, size, "      %s", field);
}

void FormatDataWidthText(int32_t width, char* buffer, size_t size)
{
    FormatStatusText(buffer, size, "      Data Width = %d", (int)width);
}

void FormatBitReadout(int bit, char* buffer, size_t size)
{
    FormatStatusText(buffer, size, "      Bit %02d", bit);
}

void FormatFlagsText(int32_t openParens, uint32_t flags, char* buffer, size_t size)
{
    const char* const NAMES[FLAG_COUNT] = {"CF", "OF", "PF", "SF"};
    char names[16] = "";
    AppendFlagNames(flags, NAMES, " ", names);
    if (openParens == 0)
        lstrcpynA(buffer, names, (int)size);
    else
        FormatStatusText(buffer, size, names[0] != 0 ? "(%d  %s" : "(%d", (int)openParens, names);
}

void FormatFlagsInWords(int32_t openParens, uint32_t flags, char* buffer, size_t size)
{
    const char* const WORDS[FLAG_COUNT] = {"carry", "overflow", "parity", "sign"};
    char names[40] = "";
    AppendFlagNames(flags, WORDS, ", ", names);
    if (openParens == 0)
        lstrcpynA(buffer, names, (int)size);
    else
        FormatStatusText(buffer, size, names[0] != 0 ? "%d open %s; %s" : "%d open %s",
                         (int)openParens, openParens == 1 ? "parenthesis" : "parentheses",
                         names);
}
