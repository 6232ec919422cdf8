#include "display/row_text.h"

#include <windows.h>

#include <stdint.h>
#include <string.h>

#include "display/rows.h"
#include "engine/format.h"

namespace {

struct RowForm {
    int32_t groupSize;
    char separator;
    bool isSigned;
};

// The decimal row is signed unless the user asks for it unsigned.
const RowForm ROW_FORMS[ROW_COUNT] = {
    {4, '-', false},
    {3, ',', true},
    {4, '-', false},
};

} // namespace

void FormatRowText(RowIndex row, bool grouped, char* buffer)
{
    const RowForm& form = ROW_FORMS[row];
    bool isSigned = form.isSigned && !g_calc.unsignedDecimal;
    FormatNumber(ShownValue(), buffer, RadixByRow[row], grouped ? form.groupSize : NO_GROUPING,
                 form.separator, isSigned);
}

// The speech is made whole first and then cut to the buffer, so the buffer
// always ends in a NUL, however small it is.
void FormatRowSpeech(RowIndex row, char* buffer, size_t size)
{
    if (size == 0)
        return;
    char text[FORMAT_BUFFER_SIZE];
    FormatRowText(row, true, text);
    const char* digits = text + strspn(text, " ");
    const char* label = g_displayRows[row].label;
    size_t labelLength = strcspn(label, ":");
    char speech[ROW_SPEECH_SIZE + FORMAT_BUFFER_SIZE];
    lstrcpynA(speech, label, (int)labelLength + 1);
    lstrcatA(speech, " ");
    lstrcatA(speech, digits);
    lstrcpynA(buffer, speech, (int)size);
}
