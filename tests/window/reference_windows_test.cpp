// The modeless Help and History windows beside the running calculator.
#include "calculator.h"

#include "dialogs/reference_windows.h"
#include "display/layout.h"
#include "resources/resource.h"

namespace {

std::string TextOf(HWND window)
{
    char text[512];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND ChildWithTextStarting(HWND dialog, const std::string& start)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (TextOf(child).compare(0, start.size(), start) == 0)
            return child;
    return NULL;
}

int CountWindowsTitled(const char* title)
{
    int count = 0;
    for (HWND w = FindWindowExA(NULL, NULL, "#32770", title); w;
         w = FindWindowExA(NULL, w, "#32770", title))
        count++;
    return count;
}

POINT ClientOrigin(HWND window)
{
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return origin;
}

// The template position places the dialog's client area at the main
// window's client origin.
void ExpectAtMainClientOrigin(HWND dialog)
{
    EXPECT_EQ(ClientOrigin(dialog).x, ClientOrigin(g_mainWindow).x);
    EXPECT_EQ(ClientOrigin(dialog).y, ClientOrigin(g_mainWindow).y);
}

// Posts a key to the focused control of a reference window and lets the
// real message loop route it.
void PressInWindow(HWND dialog, WPARAM key)
{
    HWND target = GetDlgItem(dialog, IDOK);
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 1 | (3u << 30));
    PumpMessages();
}

typedef CalculatorTest ReferenceWindows;

TEST_F(ReferenceWindows, HelpOpensOnceAtTheClientOrigin)
{
    SendCommand(CMD_HELP);
    ASSERT_NE(g_helpWindow, (HWND)NULL);
    EXPECT_TRUE(IsWindowVisible(g_helpWindow));
    EXPECT_EQ(TextOf(g_helpWindow), "Ternwick - Help");
    EXPECT_EQ(GetWindow(g_helpWindow, GW_OWNER), g_mainWindow);
    EXPECT_TRUE(GetWindowLongPtrA(g_helpWindow, GWL_STYLE) & WS_VSCROLL);
    ExpectAtMainClientOrigin(g_helpWindow);

    HWND first = g_helpWindow;
    SetActiveWindow(g_mainWindow);
    SendCommand(CMD_HELP);
    EXPECT_EQ(g_helpWindow, first);
    EXPECT_EQ(CountWindowsTitled("Ternwick - Help"), 1);
    EXPECT_EQ(GetActiveWindow(), g_mainWindow);
}

TEST_F(ReferenceWindows, EscapeClosesAndTheNextCommandOpensAFreshOne)
{
    SendCommand(CMD_HELP);
    HWND first = g_helpWindow;
    PressInWindow(g_helpWindow, VK_ESCAPE);
    EXPECT_EQ(g_helpWindow, (HWND)NULL);
    EXPECT_FALSE(IsWindow(first));
    PressThroughLoop(VK_F1, NO_MODIFIER);
    ASSERT_NE(g_helpWindow, (HWND)NULL);
    ExpectAtMainClientOrigin(g_helpWindow);
}

TEST_F(ReferenceWindows, EnterAndCloseButtonCloseHistory)
{
    SendCommand(CMD_HISTORY);
    ASSERT_NE(g_historyWindow, (HWND)NULL);
    EXPECT_EQ(TextOf(g_historyWindow), "Ternwick - History");
    PressInWindow(g_historyWindow, VK_RETURN);
    EXPECT_EQ(g_historyWindow, (HWND)NULL);
    SendCommand(CMD_HISTORY);
    SendMessageA(g_historyWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_EQ(g_historyWindow, (HWND)NULL);
}

TEST_F(ReferenceWindows, KeysInAReferenceWindowNeverReachTheCalculator)
{
    SendCommand(CMD_HELP);
    SendCommand(CMD_HISTORY);
    for (HWND window : {g_helpWindow, g_historyWindow}) {
        HWND button = GetDlgItem(window, IDOK);
        PostMessageA(button, WM_CHAR, '5', 1);
        PostMessageA(button, WM_CHAR, '+', 1);
        PumpMessages();
        PressInWindow(window, VK_F5);
        PressInWindow(window, VK_F8);
    }
    EXPECT_EQ(ShownValue(), 0u);
    EXPECT_FALSE(g_calc.showingResult);
    EXPECT_EQ(g_calc.activeRow, ROW_HEX);
    EXPECT_NE(g_helpWindow, (HWND)NULL);
    EXPECT_NE(g_historyWindow, (HWND)NULL);

    TypeChars("7");
    EXPECT_EQ(ShownValue(), 7u);
}

TEST_F(ReferenceWindows, BothOpenAtTheSamePlace)
{
    SendCommand(CMD_HELP);
    SendCommand(CMD_HISTORY);
    ExpectAtMainClientOrigin(g_helpWindow);
    ExpectAtMainClientOrigin(g_historyWindow);
}

TEST_F(ReferenceWindows, DoubledAmpersandsShowAsOne)
{
    SendCommand(CMD_HELP);
    SendCommand(CMD_HISTORY);
    HWND andLine = ChildWithTextStarting(g_helpWindow, "And");
    ASSERT_NE(andLine, (HWND)NULL);
    EXPECT_EQ(TextOf(andLine), "And\t&&\nOr\t|\nXor\t^\nMod\t%");
    EXPECT_FALSE(GetWindowLongPtrA(andLine, GWL_STYLE) & SS_NOPREFIX);
    HWND notes = ChildWithTextStarting(g_historyWindow, "0.01");
    ASSERT_NE(notes, (HWND)NULL);
    EXPECT_NE(TextOf(notes).find("- Add help screen && history dialog box\n"), std::string::npos);
    EXPECT_FALSE(GetWindowLongPtrA(notes, GWL_STYLE) & SS_NOPREFIX);
}

TEST_F(ReferenceWindows, OpeningThemChangesNothingShown)
{
    TypeChars("12");
    ValidateMainWindow();
    SendCommand(CMD_HELP);
    SendCommand(CMD_HISTORY);
    SendCommand(CMD_COPY);
    EXPECT_FALSE(RepaintPending());
    EXPECT_EQ(ShownValue(), 0x12u);
}

} // namespace
