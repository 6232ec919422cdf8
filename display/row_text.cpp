#include "display/row_text.h"

#include <string.h>

#include "display/rows.h"
#include "engine/format.h"

namespace {

struct RowForm {
    int32_t groupSize;
    char separator;
    bool isSigned;
};

const RowForm ROW_FORMS[ROW_COUNT] = {
    {4, '-', false},
    {3, ',', true},
    {4, '-', false},
};

} // namespace

void FormatRowText(RowIndex row, bool grouped, char* buffer)
{
    const RowForm& form = ROW_FORMS[row];
    FormatNumber(ShownValue(), buffer, RadixByRow[row], grouped ? form.groupSize : NO_GROUPING,
                 form.separator, form.isSigned);
}

void FormatRowSpeech(RowIndex row, char* buffer, size_t size)
{
    char text[FORMAT_BUFFER_SIZE];
    FormatRowText(row, true, text);
    const char* digits = text + strspn(text, " ");
    const char* label = g_displayRows[row].label;
    size_t labelLength = strcspn(label, ":");
    if (size < labelLength + 2)
        return;
    memcpy(buffer, label, labelLength);
    buffer[labelLength] = ' ';
    lstrcpynA(buffer + labelLength + 1, digits, (int)(size - labelLength - 1));
}
