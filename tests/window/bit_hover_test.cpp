// The bit readout in the third status bar part, driven by mouse moves.
#include "calculator.h"
#include "canvas.h"
#include "reader.h"

#include "accessibility/accessibility.h"
#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/bit_hover.h"
#include "statusbar/status_bar.h"

namespace {

void MoveMouse(int x, int y)
{
    SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

std::string BitText(int bit)
{
    char text[32];
    snprintf(text, sizeof text, "      Bit %2.2d", bit);
    return text;
}

// Runs the message loop for a while so that timers fire.
void RunLoopFor(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
}

typedef CalculatorTest BitHover;

TEST_F(BitHover, ColumnsNameTheirBits)
{
    TypeChars("0~");
    const int bandY = 54 + 10;
    struct Case { int x; int bit; };
    const Case cases[] = {
        {32, -1}, {33, 63}, {39, 63}, {40, 63}, {47, 63}, {48, 62},
        {72, -1}, {79, -1}, {80, 59}, {624, 4}, {631, 4},
        {664, 0}, {671, 0}, {672, -1}, {900, -1},
    };
    for (const Case& c : cases) {
        MoveMouse(c.x, bandY);
        EXPECT_EQ(StatusText(STATUS_PART_BIT), c.bit < 0 ? " " : BitText(c.bit)) << "x " << c.x;
    }
}

TEST_F(BitHover, OnlyDrawnDigitsAreNamed)
{
    TypeChars("10");
    MoveMouse(624, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(4));
    MoveMouse(616, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    TypeChars(std::string(1, 27));
    MoveMouse(664, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    MoveMouse(40, 60);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
}

TEST_F(BitHover, BandEdgesFollowTheRowsAboveTheBinaryRow)
{
    struct Case { bool hex, dec; int top; };
    const Case cases[] = {{true, true, 54}, {true, false, 29}, {false, true, 29}, {false, false, 4}};
    for (const Case& c : cases) {
        StopCalculator();
        StartCalculator();
        ShowRows(c.hex, c.dec, true);
        for (int y : {c.top - 1, c.top + 21}) {
            MoveMouse(664, y);
            EXPECT_EQ(StatusText(STATUS_PART_BIT), " ") << "top " << c.top << " y " << y;
            EXPECT_FALSE(g_hoverTimerActive) << "top " << c.top << " y " << y;
        }
        for (int y : {c.top, c.top + 20}) {
            MoveMouse(664, y);
            EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0)) << "top " << c.top << " y " << y;
        }
        EXPECT_TRUE(g_hoverTimerActive);
    }
}

TEST_F(BitHover, NothingIsWrittenWhileStatusBarOrBinaryRowIsHidden)
{
    SendCommand(CMD_VIEW_BIN);
    MoveMouse(664, 54);
    MoveMouse(664, 29);
    EXPECT_FALSE(g_hoverTimerActive);
    SendCommand(CMD_VIEW_BIN);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), "");
    SendCommand(CMD_STATUS_BAR);
    MoveMouse(664, 60);
    EXPECT_FALSE(g_hoverTimerActive);
}

TEST_F(BitHover, LosingCaptureBlanksTheReadoutButKeepsTheTimer)
{
    MoveMouse(664, 60);
    ASSERT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    SendMessageA(g_mainWindow, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    EXPECT_TRUE(g_hoverTimerActive);
}

TEST_F(BitHover, TimerClearsTheReadoutOnceTheCursorLeavesTheWindow)
{
    RECT window;
    GetWindowRect(g_mainWindow, &window);
    SetCursorPos(window.left + 100, window.bottom - 2);
    MoveMouse(664, 60);
    RunLoopFor(500);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), BitText(0));
    EXPECT_TRUE(g_hoverTimerActive);

    SetCursorPos(window.right + 50, window.bottom + 50);
    RunLoopFor(500);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), " ");
    EXPECT_FALSE(g_hoverTimerActive);
}

// The active Bin row as a pad of bits, at 64 bits (79 cells: cell 0 holds
// bit 63, cell 74 a separator, cell 78 bit 0), then at 16 and 8: clicks,
// keys and the readout, with the mouse resting off the row for the keys.
TEST_F(BitHover, ActiveBinRowIsABitPad)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    SetFocus(g_mainWindow);
    // Clicks that activate over the rows, through the status bar, by the right
    // button; that lose the capture; that end above the window. BAR: off, on.
    enum Kind { MOVE, CLICK, FRONT_CLICK, BAR_FRONT_CLICK, RIGHT_FRONT_CLICK, LOST_CLICK,
                OUT_CLICK, KEY, COMMAND, SPACE, BAR };
    struct Step { const char* what; Kind kind; int a, b; uint64_t shown; const char* readout; };
    const Step steps[] = {
        {"blank cell, row not active", MOVE, 0, 0, 0, " "},
        {"click while not active", CLICK, 0, 0, 0, "      Bit 63"},
        {"click on a blank cell", CLICK, 0, 0, 0x8000000000000000ull, "      Bit 63"},
        {"click on a digit", CLICK, 78, 78, 0x8000000000000001ull, "      Bit 00"},
        {"click to the front", FRONT_CLICK, 78, 78, 0x8000000000000001ull, "      Bit 00"},
        {"press and release apart", CLICK, 78, 77, 0x8000000000000001ull, "      Bit 01"},
        {"click on a separator", CLICK, 74, 74, 0x8000000000000001ull, " "},
        {"cursor's first show", KEY, VK_LEFT, 1, 0x8000000000000001ull, "      Bit 00"},
        {"cursor at bit 0", KEY, VK_RIGHT, 1, 0x8000000000000001ull, "      Bit 00"},
        {"16 bits", COMMAND, CMD_WIDTH_16, 0, 1, "      Bit 00"},
        {"cursor at the top bit", KEY, VK_LEFT, 16, 1, "      Bit 15"},
        {"8 bits", COMMAND, CMD_WIDTH_8, 0, 1, "      Bit 07"},
        {"Space", SPACE, 0, 0, 0x81, "      Bit 07"},
        {"status bar off and on", BAR, 0, 0, 0x81, "      Bit 07"},
        {"16 bits again", COMMAND, CMD_WIDTH_16, 0, 0x81, "      Bit 07"},
        {"cursor at bit 8", KEY, VK_LEFT, 1, 0x81, "      Bit 08"},
        {"8 bits again", COMMAND, CMD_WIDTH_8, 0, 0x81, "      Bit 07"},
        {"activated through the status bar", BAR_FRONT_CLICK, 8, 8, 0x80, "      Bit 00"},
        {"activated by the right button", RIGHT_FRONT_CLICK, 8, 8, 0x81, "      Bit 00"},
        {"capture lost before the release", LOST_CLICK, 8, 8, 0x81, "      Bit 00"},
        {"released above the window", OUT_CLICK, 8, 8, 0x81, "      Bit 07"},
    };
    int y = BandOfRow(ROW_BIN).textY + g_metrics.fontHeight / 2;
    auto x = [](int cell) { return g_metrics.valueX + cell * g_metrics.cellWidth + 1; };
    POINT pointer;
    GetCursorPos(&pointer);
    for (const Step& step : steps) {
        bool click = step.kind >= CLICK && step.kind <= OUT_CLICK;
        if (step.kind == MOVE || click)
            MoveMouse(x(step.a), y);
        if (step.kind >= FRONT_CLICK && step.kind <= RIGHT_FRONT_CLICK) {
            // The mouse stands where the activating press lands.
            bool bar = step.kind == BAR_FRONT_CLICK;
            POINT at = {x(step.a), bar ? StatusBarTop() + 2 : y};
            ClientToScreen(g_mainWindow, &at);
            SetCursorPos(at.x, at.y);
            UINT button = step.kind == RIGHT_FRONT_CLICK ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
            SendMessageA(bar ? g_statusBar : g_mainWindow, WM_MOUSEACTIVATE,
                         (WPARAM)g_mainWindow, MAKELPARAM(HTCLIENT, button));
        }
        if (click) {
            SendMessageA(g_mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x(step.a), y));
            EXPECT_EQ(GetCapture(), g_mainWindow) << step.what;
            if (step.kind == LOST_CLICK)
                SendMessageA(g_mainWindow, WM_CAPTURECHANGED, 0, (LPARAM)g_statusBar);
            int releaseY = step.kind == OUT_CLICK ? -20 : y;
            MoveMouse(x(step.b), releaseY);
            SendMessageA(g_mainWindow, WM_LBUTTONUP, 0, MAKELPARAM(x(step.b), releaseY));
        }
        if (step.kind == BAR) {
            SendCommand(CMD_STATUS_BAR);
            SendCommand(CMD_STATUS_BAR);
        }
        if (step.kind >= KEY)
            MoveMouse(x(0), BandOfRow(ROW_HEX).textY);
        for (int i = 0; step.kind == KEY && i < step.b; i++)
            PressKey((WPARAM)step.a);
        if (step.kind == COMMAND)
            SendCommand(step.a);
        if (step.kind == SPACE)
            TypeChars(" ");
        EXPECT_EQ(ShownValue(), step.shown) << step.what;
        EXPECT_EQ(StatusText(STATUS_PART_BIT), step.readout) << step.what;
        EXPECT_EQ(g_calc.flags, 0u) << step.what;
    }
    SetCursorPos(pointer.x, pointer.y);

    // A reader's focus is the bit at the cursor, a check box checked for 1.
    IAccessible* rows = NULL;
    ASSERT_EQ(AccessibleObjectFromWindow(g_mainWindow, OBJID_CLIENT, __uuidof(IAccessible),
                                         (void**)&rows),
              S_OK);
    VARIANT focus = {}, role = {}, state = {};
    BSTR name = NULL;
    rows->get_accFocus(&focus);
    EXPECT_EQ(focus.lVal, BIT_CURSOR_CHILD);
    rows->get_accName(focus, &name);
    rows->get_accRole(focus, &role);
    rows->get_accState(focus, &state);
    IDispatch* object = NULL;
    EXPECT_EQ(rows->get_accChild(focus, &object), S_FALSE);
    rows->Release();
    EXPECT_EQ(Narrow(name), "Bit 7");
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(state.lVal, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED);
}

// A field selected in the Bin row at 64 bits (bit b in cell 78 - b - b/4),
// read in the status bar's first part, flipped and cleared as one, drawn in
// the selection colours up to the separators beside it.
TEST_F(BitHover, BinRowSelectsFields)
{
    enum Kind { DRAG, KEY, SHIFT_KEY, COMMAND, CHARS };
    struct Step { const char* what; Kind kind; int a, b; const char* chars; uint64_t shown;
                  const char* readout; };
    const char* const PCI = "      Bus=00  |  Dev=07  |  Func=7  |  Reg=00";
    const char* const PCI_01 = "      Bus=00  |  Dev=07  |  Func=7  |  Reg=01";
    const Step steps[] = {
        {"drag 15 to 8", DRAG, 60, 68, "", 0x3F00, "      Bits 15:8 = 0x3F = 63"},
        {"drag 8 to 15", DRAG, 68, 60, "", 0x3F00, "      Bits 15:8 = 0x3F = 63"},
        {"click on the label", DRAG, -4, -4, "", 0x3F00, PCI},
        {"drag from a separator", DRAG, 74, 73, "", 0x3F00, PCI},
        {"drag 63 to 0", DRAG, 0, 78, "", 0x3F00, "      Bits 63:0 = 0x3F00"},
        {"drag 16 to 0", DRAG, 58, 78, "", 0x3F00, "      Bits 16:0 = 0x3F00"},
        {"drag 15 to 0", DRAG, 60, 78, "", 0x3F00, "      Bits 15:0 = 0x3F00 = 16128"},
        {"drag 35 to 28", DRAG, 35, 43, "", 0x3F00, "      Bits 35:28 = 0x0 = 0"},
        {"click on the label again", DRAG, -4, -4, "", 0x3F00, PCI},
        {"click on a bit", DRAG, 78, 78, "", 0x3F01, PCI_01},
        {"Shift+Left twice", SHIFT_KEY, VK_LEFT, 3, "", 0x3F01, "      Bits 2:0 = 0x1 = 1"},
        {"back onto the anchor", SHIFT_KEY, VK_RIGHT, 2, "", 0x3F01, PCI_01},
        {"Shift+Left again", SHIFT_KEY, VK_LEFT, 1, "", 0x3F01, "      Bits 1:0 = 0x1 = 1"},
        {"Left", KEY, VK_LEFT, 1, "", 0x3F01, PCI_01},
        {"drag 11 to 4", DRAG, 65, 73, "", 0x3F01, "      Bits 11:4 = 0xF0 = 240"},
        {"Space", CHARS, 0, 0, " ", 0x30F1, "      Bits 11:4 = 0xF = 15"},
        {"Delete", KEY, VK_DELETE, 1, "", 0x3001, "      Bits 11:4 = 0x0 = 0"},
        {"Hex row, Esc, digits, Space", CHARS, 0, 0, "\t\x1b" "ABC ", 0xABC,
         "      Bits 11:4 = 0xAB = 171"},
        {"Bin row, 8 bits", COMMAND, CMD_SELECT_BIN, CMD_WIDTH_8, "", 0xBC, "      Bits 7:4 = 0xB = 11"},
        {"64 bits", COMMAND, CMD_WIDTH_64, 0, "", 0xBC, "      Bits 7:4 = 0xB = 11"},
        {"drag 15 to 8", DRAG, 60, 68, "", 0xBC, "      Bits 15:8 = 0x0 = 0"},
        {"8 bits", COMMAND, CMD_WIDTH_8, CMD_WIDTH_64, "", 0xBC,
         "      Bus=00  |  Dev=00  |  Func=0  |  Reg=BC"},
        {"drag 15 to 8 again", DRAG, 60, 68, "", 0xBC, "      Bits 15:8 = 0x0 = 0"},
    };
    TypeChars("3F00");
    SendCommand(CMD_SELECT_BIN);
    int y = BandOfRow(ROW_BIN).textY + g_metrics.fontHeight / 2;
    auto x = [](int cell) { return g_metrics.valueX + cell * g_metrics.cellWidth + 1; };
    BYTE keys[256] = {};
    for (const Step& step : steps) {
        for (UINT message : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP})
            if (step.kind == DRAG)
                SendMessageA(g_mainWindow, message, 0,
                             MAKELPARAM(x(message == WM_LBUTTONDOWN ? step.a : step.b), y));
        keys[VK_SHIFT] = step.kind == SHIFT_KEY ? 0x80 : 0;
        SetKeyboardState(keys);
        for (int i = 0; (step.kind == KEY || step.kind == SHIFT_KEY) && i < step.b; i++)
            PressKey((WPARAM)step.a);
        for (int command : {step.a, step.b})
            if (step.kind == COMMAND && command != 0)
                SendCommand(command);
        TypeChars(step.chars);
        EXPECT_EQ(ShownValue(), step.shown) << step.what;
        EXPECT_EQ(StatusText(STATUS_PART_PCI), step.readout) << step.what;
    }
    Canvas canvas = PaintIntoCanvas(800, 100);
    int textY = BandOfRow(ROW_BIN).textY + 1;
    EXPECT_EQ(GetPixel(canvas.dc, x(64) + 2, textY), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPixel(canvas.dc, x(59) + 2, textY), GetSysColor(COLOR_WINDOW));
    FreeCanvas(canvas);
}

} // namespace
