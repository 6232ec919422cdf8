// Copy and paste through the real clipboard.
#include "calculator.h"

#include <string.h>

#include "../engine/beep_counter.h"
#include "display/rows.h"
#include "resources/resource.h"

namespace {

// The clipboard is shared with the whole desktop: retry briefly while
// another program holds it.
bool OpenClipboardPatiently()
{
    for (int i = 0; i < 20; i++) {
        if (OpenClipboard(NULL))
            return true;
        Sleep(5);
    }
    return false;
}

void PutClipboardText(const char* text)
{
    ASSERT_TRUE(OpenClipboardPatiently());
    EmptyClipboard();
    size_t size = strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

// A text block with no terminator at all, filled to its end with digits.
void PutUnterminatedText(char digit, size_t size)
{
    ASSERT_TRUE(OpenClipboardPatiently());
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    memset(GlobalLock(block), digit, size);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

void PutNoText()
{
    ASSERT_TRUE(OpenClipboardPatiently());
    EmptyClipboard();
    CloseClipboard();
}

std::string ClipboardText()
{
    std::string text = "<no text>";
    if (!OpenClipboardPatiently())
        return "<busy>";
    HANDLE block = GetClipboardData(CF_TEXT);
    if (block != NULL) {
        text = (const char*)GlobalLock(block);
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

typedef CalculatorTest Clipboard;

TEST_F(Clipboard, CopyWritesTheBareDigitsOfTheActiveRow)
{
    struct Case { std::string keys; RowIndex row; const char* text; };
    const Case cases[] = {
        {"0", ROW_HEX, "0"}, {"0", ROW_DEC, "0"}, {"0", ROW_BIN, "0"},
        {"0~", ROW_HEX, "FFFFFFFFFFFFFFFF"}, {"0~", ROW_DEC, "-1"},
        {"0~", ROW_BIN, "1111111111111111111111111111111111111111111111111111111111111111"},
        {"10000", ROW_HEX, "10000"}, {"10000", ROW_DEC, "65536"},
        {"10000", ROW_BIN, "10000000000000000"},
        {"8000000000000000", ROW_DEC, "-9223372036854775808"},
        {"5+3=", ROW_DEC, "8"},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        TypeChars(c.keys);
        SendCommand(SelectCommand(c.row));
        ValidateMainWindow();
        SendCommand(CMD_COPY);
        EXPECT_EQ(ClipboardText(), c.text) << c.keys << " in row " << c.row;
        EXPECT_FALSE(RepaintPending());
    }
}

TEST_F(Clipboard, CopyUsesTheNarrowFieldsToo)
{
    ShowRows(true, false, false);
    TypeChars("0~");
    SendCommand(CMD_COPY);
    EXPECT_EQ(ClipboardText(), "FFFFFFFFFFFFFFFF");
    ShowRows(false, true, false);
    SendCommand(CMD_COPY);
    EXPECT_EQ(ClipboardText(), "-1");
    SendCommand(CMD_WIDTH_8);
    SendCommand(CMD_COPY);
    EXPECT_EQ(ClipboardText(), "-1") << "at 8 bits";
    SendCommand(CMD_SELECT_BIN);
    ShowRows(false, false, true);
    SendCommand(CMD_COPY);
    EXPECT_EQ(ClipboardText(), "11111111") << "at 8 bits";
}

TEST_F(Clipboard, CopiedBlockHoldsNothingAfterTheDigits)
{
    TypeChars("ABC");
    SendCommand(CMD_COPY);
    ASSERT_TRUE(OpenClipboardPatiently());
    HANDLE block = GetClipboardData(CF_TEXT);
    ASSERT_NE(block, (HANDLE)NULL);
    ASSERT_GE(GlobalSize(block), (SIZE_T)100);
    const char* bytes = (const char*)GlobalLock(block);
    EXPECT_STREQ(bytes, "ABC");
    for (int i = 3; i < 100; i++)
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
    GlobalUnlock(block);
    CloseClipboard();
}

TEST_F(Clipboard, PasteTypesTheLeadingDigits)
{
    struct Case { RowIndex row; const char* text; uint64_t shown; int beeps; };
    const std::string megabyteOfF(1 << 20, 'F');
    const Case cases[] = {
        {ROW_HEX, "ff", 255, 0},
        {ROW_HEX, "FF", 255, 0},
        {ROW_DEC, "FF", 0, 0},
        {ROW_BIN, "1021", 5, 0},
        {ROW_HEX, "0x1F", 0, 0},
        {ROW_DEC, "12,345", 12, 0},
        {ROW_DEC, "12-34", 12, 0},
        {ROW_DEC, "12 34", 12, 0},
        {ROW_DEC, "-5", 0, 0},
        {ROW_HEX, "123456789ABCDEF01", 0x123456789ABCDEF0ull, 1},
        {ROW_HEX, "123456789ABCDEF0123", 0x123456789ABCDEF0ull, 1},
        {ROW_HEX, megabyteOfF.c_str(), ~0ull, 1},
        {ROW_DEC, "184467440737095516159", ~0ull, 1},
        {ROW_HEX, "12\r\n34", 0x12, 0},
        {ROW_HEX, "7\xE9" "8", 7, 0},
    };
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        SendCommand(SelectCommand(c.row));
        TypeChars("99+");
        PutClipboardText(c.text);
        SendCommand(CMD_PASTE);
        const std::string shownText = std::string(c.text).substr(0, 24);
        EXPECT_EQ(ShownValue(), c.shown) << "\"" << shownText << "\" in row " << c.row;
        EXPECT_EQ(g_beepCount, c.beeps) << "\"" << shownText << "\"";
        EXPECT_EQ(g_calc.pendingOp, OP_ADD) << "\"" << shownText << "\"";
    }
}

TEST_F(Clipboard, PastedNumberServesAsTheRightOperand)
{
    TypeChars("5+7");
    PutClipboardText("3");
    SendCommand(CMD_PASTE);
    TypeChars("=");
    EXPECT_EQ(ShownValue(), 8u);
}

TEST_F(Clipboard, PasteWithoutTextStillClearsAndRefreshes)
{
    TypeChars("12+34");
    PutNoText();
    ValidateMainWindow();
    SendCommand(CMD_PASTE);
    EXPECT_TRUE(RepaintPending());
    EXPECT_TRUE(g_calc.showingResult);
    EXPECT_EQ(ShownValue(), 0x12u);
    EXPECT_EQ(StatusText(0), "      Bus=00  |  Dev=00  |  Func=0  |  Reg=12");
}

// The platform may hand back a copy of the block with a terminator of its
// own; either way only the block's digits may be entered.
TEST_F(Clipboard, PasteOfABlockWithoutTerminatorEntersOnlyItsDigits)
{
    PutUnterminatedText('1', 7);
    SendCommand(CMD_SELECT_BIN);
    SendCommand(CMD_PASTE);
    EXPECT_GE(ShownValue(), 0x3Fu);
    EXPECT_LE(ShownValue(), 0x7Fu);
    EXPECT_EQ(ShownValue() & (ShownValue() + 1), 0u);
}

TEST_F(Clipboard, CopyThenPasteReproducesTheValue)
{
    for (RowIndex row : {ROW_HEX, ROW_DEC, ROW_BIN}) {
        StopCalculator();
        StartCalculator();
        TypeChars("1234ABCD");
        SendCommand(SelectCommand(row));
        SendCommand(CMD_COPY);
        SendCommand(CMD_PASTE);
        EXPECT_EQ(ShownValue(), 0x1234ABCDu) << "row " << row;
    }
}

// Holds the clipboard open from another thread until told to let go.
struct ClipboardHolder {
    HANDLE opened, release, thread;
};

// The holder opens the clipboard for a window of its own: an opening
// without a window does not lock other openings out.
DWORD WINAPI HoldClipboard(void* parameter)
{
    ClipboardHolder* holder = (ClipboardHolder*)parameter;
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                  GetModuleHandleA(NULL), NULL);
    OpenClipboard(window);
    SetEvent(holder->opened);
    WaitForSingleObject(holder->release, 5000);
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}

TEST_F(Clipboard, BusyClipboardEndsCopyAndPasteQuietly)
{
    PutClipboardText("77");
    TypeChars("5+3");
    ClipboardHolder holder = {CreateEventA(NULL, TRUE, FALSE, NULL),
                              CreateEventA(NULL, TRUE, FALSE, NULL), NULL};
    holder.thread = CreateThread(NULL, 0, HoldClipboard, &holder, 0, NULL);
    WaitForSingleObject(holder.opened, 5000);

    SendCommand(CMD_COPY);
    SendCommand(CMD_PASTE);
    EXPECT_TRUE(g_calc.showingResult);
    EXPECT_EQ(ShownValue(), 5u);
    EXPECT_EQ(g_beepCount, 0);

    SetEvent(holder.release);
    WaitForSingleObject(holder.thread, 5000);
    EXPECT_EQ(ClipboardText(), "77");
    CloseHandle(holder.thread);
    CloseHandle(holder.opened);
    CloseHandle(holder.release);
}

} // namespace
