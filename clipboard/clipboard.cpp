#include "clipboard/clipboard.h"

#include <windows.h>
#include <string.h>

#include "display/row_text.h"
#include "engine/calc_state.h"
#include "engine/format.h"

namespace {

// Large enough for any row text; zero-filled, so nothing but the digits and
// their terminator ever leaves the process.
const SIZE_T COPY_BLOCK_SIZE = FORMAT_BUFFER_SIZE;

// Writes the active row's text without separators or leading spaces at the
// start of the block; the rest of the block stays zero, since programs that
// read the clipboard may take more than the text up to its terminator.
bool WriteShownValue(HGLOBAL block)
{
    char* text = (char*)GlobalLock(block);
    if (text == NULL)
        return false;
    char field[FORMAT_BUFFER_SIZE];
    FormatRowText(g_calc.activeRow, false, field);
    const char* digits = field + strspn(field, " ");
    memcpy(text, digits, strlen(digits) + 1);
    GlobalUnlock(block);
    return true;
}

// A block the clipboard did not take is still ours to free.
void PutShownValueOnClipboard()
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, COPY_BLOCK_SIZE);
    if (block == NULL)
        return;
    if (!WriteShownValue(block) || SetClipboardData(CF_TEXT, block) == NULL)
        GlobalFree(block);
}

bool ClipboardHasText()
{
    bool found = false;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        found = found || format == CF_TEXT;
    return found;
}

// The digits end at the first character that is no hexadecimal digit, at
// the terminator, at the end of the block, or after the first digit refused
// at the entry limit, whichever comes first.
void EnterDigitsFrom(HANDLE block)
{
    const char* text = (const char*)GlobalLock(block);
    if (text == NULL)
        return;
    EnterDigitText(text, GlobalSize(block));
    GlobalUnlock(block);
}

} // namespace

void CopyToClipboard()
{
    if (!OpenClipboard(NULL))
        return;
    if (EmptyClipboard())
        PutShownValueOnClipboard();
    CloseClipboard();
}

void PasteFromClipboard()
{
    if (!OpenClipboard(NULL))
        return;
    if (ClipboardHasText()) {
        HANDLE block = GetClipboardData(CF_TEXT);
        if (block != NULL)
            EnterDigitsFrom(block);
    }
    CloseClipboard();
}
