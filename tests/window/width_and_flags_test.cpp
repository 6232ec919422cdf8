// The data width chosen from the View menu and its keys (the radio mark,
// the status bar, the rows' field, the bit readout), and the status bar's
// last part: the open parentheses and the flags, shown in short and read out
// in words, in a window whose size never changes as they come and go.
#include "calculator.h"
#include "canvas.h"
#include "reader.h"

#include <commctrl.h>
#include <oleacc.h>

#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

const int WIDTH_COMMANDS[] = {CMD_WIDTH_64, CMD_WIDTH_32, CMD_WIDTH_16, CMD_WIDTH_8};

// The last column of the active row's highlight frame, as painted.
int HighlightRight()
{
    RECT client;
    GetClientRect(g_mainWindow, &client);
    int y = BandOfRow(g_calc.activeRow).textY - g_metrics.highlightTop;
    Canvas canvas = PaintIntoCanvas(client.right, client.bottom);
    int right = -1;
    for (int x = 0; x < client.right; x++)
        if (IsInk(canvas, x, y))
            right = x;
    FreeCanvas(canvas);
    return right;
}

// The status bar's name to a reader, and its role.
std::string StatusBarName(LONG* role = NULL)
{
    IAccessible* statusBar = NULL;
    if (AccessibleObjectFromWindow(g_statusBar, OBJID_CLIENT, __uuidof(IAccessible),
                                   (void**)&statusBar) != S_OK)
        return "";
    BSTR name = NULL;
    VARIANT answer = {};
    statusBar->get_accName(Child(CHILDID_SELF), &name);
    statusBar->get_accRole(Child(CHILDID_SELF), &answer);
    statusBar->Release();
    if (role != NULL)
        *role = answer.lVal;
    return Narrow(name);
}

typedef CalculatorTest Layout;

// Each key gives its width the radio mark and the status text, and the
// rows' field its cells at that width (Bin, Dec, Hex: the widest visible
// row's).
TEST_F(Layout, KeysChooseTheWidthAndTheFieldFollows)
{
    struct Case { WPARAM key; int command; const char* text; int bin, dec, hex; };
    const Case cases[] = {
        {VK_F12, CMD_WIDTH_64, "      Data Width = 64", 79, 27, 19},
        {VK_F2, CMD_WIDTH_32, "      Data Width = 32", 39, 15, 9},
        {VK_F3, CMD_WIDTH_16, "      Data Width = 16", 19, 8, 4},
        {VK_F4, CMD_WIDTH_8, "      Data Width = 8", 9, 5, 2},
    };
    for (const Case& c : cases) {
        PressThroughLoop(c.key, NO_MODIFIER);
        for (int command : WIDTH_COMMANDS)
            EXPECT_EQ((MenuState(command) & MF_CHECKED) != 0, command == c.command) << c.text;
        EXPECT_EQ(StatusText(STATUS_PART_WIDTH), c.text);
        const int fields[] = {c.bin, c.dec, c.hex};
        for (int shown = 3; shown >= 1; shown--) {
            ShowRows(true, shown >= 2, shown == 3);
            EXPECT_EQ(HighlightRight(), g_metrics.valueX + fields[3 - shown] * g_metrics.cellWidth +
                                            g_metrics.highlightMargin - 1)
                << c.text << ", " << shown << " rows";
        }
        ShowRows(true, true, true);
    }
}

// The Bits menu's modes carry its radio mark; Ctrl+E and Ctrl+R swap the
// bytes and reverse the bits of the shown value at the width.
TEST_F(Layout, BitsMenuMarksTheShiftModeAndItsKeysReorder)
{
    const int MODES[] = {CMD_SHIFT_ARITHMETIC, CMD_SHIFT_ROTATE, CMD_SHIFT_ROTATE_CARRY,
                         CMD_SHIFT_LOGICAL};
    for (int chosen : MODES) {
        SendCommand(chosen);
        for (int command : MODES)
            EXPECT_EQ((MenuState(command) & MF_CHECKED) != 0, command == chosen) << chosen;
    }
    SendCommand(CMD_WIDTH_32);
    TypeChars("12345678");
    PressThroughLoop('E', CTRL);
    EXPECT_EQ(ShownValue(), 0x78563412u);
    PressThroughLoop('R', CTRL);
    EXPECT_EQ(ShownValue(), 0x482C6A1Eu);
}

// With the hexadecimal row alone at 8 bits and no status bar, the rows
// need less room than the menu bar (made longer here, since Wine keeps a
// window as wide as its caption needs): it stays on one line.
TEST_F(Layout, NarrowWindowKeepsTheMenuBarOnOneLine)
{
    HMENU menu = GetMenu(g_mainWindow);
    AppendMenuA(menu, MF_STRING, 0, "A longer menu title");
    DrawMenuBar(g_mainWindow);
    PressThroughLoop(VK_F4, NO_MODIFIER);
    ShowRows(true, false, false);
    SendCommand(CMD_STATUS_BAR);
    RECT first, last;
    GetMenuItemRect(g_mainWindow, menu, 0, &first);
    GetMenuItemRect(g_mainWindow, menu, GetMenuItemCount(menu) - 1, &last);
    EXPECT_EQ(last.top, first.top);
}

// At 32 bits bit 0 is the Bin row's last cell and bit 31 its first; the
// status bar reads the width to a reader.
TEST_F(Layout, BitReadoutAndReadersFollowTheWidth)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    // The mouse rests on bit 40 (cell 28 of 79); at 32 bits that cell
    // holds bit 8, and the readout says so without a move.
    TypeChars("FFFFFFFFFFFF");
    int y = BandOfRow(ROW_BIN).textY + g_metrics.fontHeight / 2;
    SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0,
                 MAKELPARAM(g_metrics.valueX + 28 * g_metrics.cellWidth + 1, y));
    EXPECT_EQ(StatusText(STATUS_PART_BIT), "      Bit 40");
    PressThroughLoop(VK_F2, NO_MODIFIER);
    EXPECT_EQ(StatusText(STATUS_PART_BIT), "      Bit 08");
    LONG role = 0;
    EXPECT_EQ(StatusBarName(&role), "Bus=FF | Dev=1F | Func=7 | Reg=FF, Data Width = 32");
    EXPECT_EQ(role, ROLE_SYSTEM_STATUSBAR);

    struct Case { int cell; const char* text; };
    const Case cases[] = {{38, "      Bit 00"}, {0, "      Bit 31"}, {4, " "}};
    for (const Case& c : cases) {
        int x = g_metrics.valueX + c.cell * g_metrics.cellWidth + g_metrics.cellWidth / 2;
        SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        EXPECT_EQ(StatusText(STATUS_PART_BIT), c.text) << "cell " << c.cell;
    }
}

// With every row (the flags after the bit readout) and without the binary
// row (right after the PCI readout).
TEST_F(Layout, LastPartShowsParenthesesAndFlags)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    const std::string ESC(1, 27);
    struct Step { std::string keys; const char* text; const char* words; };
    const Step steps[] = {
        {"", "", ""},
        {"((", "(2", "2 open parentheses"},
        {"0-1", "(2  PF", "2 open parentheses; parity"},
        {")", "(1  CF PF SF", "1 open parenthesis; carry, parity, sign"},
        {"=", "PF SF", "parity, sign"},
        {ESC + "~", "PF SF", "parity, sign"},
        {"7+1=", "", ""},
    };
    for (bool bin : {true, false}) {
        StopCalculator();
        StartCalculator();
        ShowRows(true, true, bin);
        SIZE size = OuterSize();
        for (const Step& step : steps) {
            TypeChars(step.keys);
            int part = StatusPartCount() - 1;
            EXPECT_EQ(part, bin ? STATUS_PART_FLAGS : 1);
            std::string name = StatusBarName(), words = step.words;
            LRESULT length = SendMessageA(g_statusBar, SB_GETTEXTLENGTHA, part, 0);
            EXPECT_EQ(StatusText(part), step.text) << step.keys;
            EXPECT_EQ((HIWORD(length) & SBT_NOBORDERS) != 0, words.empty()) << step.keys;
            EXPECT_EQ(name.substr(name.size() - words.size()), words) << name;
            EXPECT_EQ(name.find("open") == std::string::npos, words.find("open") == std::string::npos)
                << name;
            EXPECT_EQ(OuterSize().cx, size.cx) << step.keys;
            EXPECT_EQ(OuterSize().cy, size.cy) << step.keys;
        }
    }
}

} // namespace
