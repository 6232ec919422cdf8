// The real About box, run modally from the real command; a thread timer
// inspects it from inside its own message loop and then closes it.
#include "calculator.h"
#include "colour_scheme.h"

#include <vector>

#include "dialogs/about.h"
#include "display/layout.h"
#include "resources/resource.h"
#include "shell_recorder.h"

namespace {

typedef void (*Inspection)(HWND dialog);
Inspection g_inspection;
HWND g_seenDialog;
std::vector<HGDIOBJ> g_createdObjects;

void CALLBACK InspectWhenOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    // The modal run shows the box only once its loop has started.
    HWND dialog = FindWindowA("#32770", "About");
    if (dialog == NULL || !IsWindowVisible(dialog))
        return;
    KillTimer(NULL, timer);
    g_seenDialog = dialog;
    g_inspection(dialog);
}

// Opens the box through CMD_ABOUT and returns once it has closed.
void RunAboutBox(Inspection inspection)
{
    g_inspection = inspection;
    g_seenDialog = NULL;
    SetTimer(NULL, 0, 20, InspectWhenOpen);
    SendCommand(CMD_ABOUT);
}

HWND Link(HWND dialog, int id) { return GetDlgItem(dialog, id); }

struct StaticColours {
    HBRUSH brush;
    COLORREF text;
    int backgroundMode;
};

StaticColours AskStaticColours(HWND dialog, HWND control)
{
    HDC dc = CreateCompatibleDC(NULL);
    StaticColours colours;
    colours.brush = (HBRUSH)SendMessageA(dialog, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)control);
    colours.text = GetTextColor(dc);
    colours.backgroundMode = GetBkMode(dc);
    DeleteDC(dc);
    return colours;
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH description = {};
    GetObjectA(brush, sizeof description, &description);
    return description.lbColor;
}

void RememberObjects(HWND dialog)
{
    for (int id : {IDC_LINK_WEB, IDC_LINK_MAIL, IDC_VERSION_TEXT})
        g_createdObjects.push_back((HGDIOBJ)AskStaticColours(dialog, Link(dialog, id)).brush);
    for (int id : {IDC_LINK_WEB, IDC_LINK_MAIL})
        g_createdObjects.push_back((HGDIOBJ)SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0));
}

void Close(HWND dialog, WPARAM command)
{
    SendMessageA(dialog, WM_COMMAND, command, 0);
}

typedef CalculatorTest AboutBox;

TEST_F(AboutBox, ShowsVersionAndBlueUnderlinedLinks)
{
    RunAboutBox([](HWND dialog) {
        char text[200];
        GetDlgItemTextA(dialog, IDC_VERSION_TEXT, text, sizeof text);
        EXPECT_STREQ(text, "Version 0.04.00 - Beta\nBuilt on Feb 22, 2006");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), g_mainWindow);
        for (int id : {IDC_LINK_WEB, IDC_LINK_MAIL}) {
            HFONT font = (HFONT)SendDlgItemMessageA(dialog, id, WM_GETFONT, 0, 0);
            LOGFONTA description = {};
            GetObjectA(font, sizeof description, &description);
            EXPECT_TRUE(description.lfUnderline) << "link " << id;
            LONG_PTR style = GetWindowLongPtrA(Link(dialog, id), GWL_STYLE);
            EXPECT_EQ(style & (WS_GROUP | SS_NOTIFY), WS_GROUP | SS_NOTIFY) << "link " << id;
            StaticColours colours = AskStaticColours(dialog, Link(dialog, id));
            EXPECT_EQ(colours.text, RGB(0, 0, 255)) << "link " << id;
            EXPECT_EQ(colours.backgroundMode, TRANSPARENT) << "link " << id;
            EXPECT_EQ(BrushColour(colours.brush), RGB(255, 255, 255)) << "link " << id;
        }
        StaticColours plain = AskStaticColours(dialog, Link(dialog, IDC_VERSION_TEXT));
        EXPECT_EQ(plain.text, RGB(0, 0, 0));
        EXPECT_EQ(plain.backgroundMode, OPAQUE);
        EXPECT_EQ(BrushColour(plain.brush), RGB(255, 255, 255));
        HDC dc = CreateCompatibleDC(NULL);
        HBRUSH background = (HBRUSH)SendMessageA(dialog, WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)dialog);
        DeleteDC(dc);
        EXPECT_EQ(BrushColour(background), RGB(255, 255, 255));
        Close(dialog, IDOK);
    });
    EXPECT_NE(g_seenDialog, (HWND)NULL);
    EXPECT_FALSE(IsWindow(g_seenDialog));
}

TEST_F(AboutBox, TakesTheUsersColours)
{
    ColourScheme scheme(RGB(0, 0, 0), RGB(255, 255, 255));
    RunAboutBox([](HWND dialog) {
        StaticColours plain = AskStaticColours(dialog, Link(dialog, IDC_VERSION_TEXT));
        EXPECT_EQ(plain.text, RGB(255, 255, 255));
        EXPECT_EQ(BrushColour(plain.brush), RGB(0, 0, 0));
        StaticColours link = AskStaticColours(dialog, Link(dialog, IDC_LINK_WEB));
        EXPECT_EQ(BrushColour(link.brush), RGB(0, 0, 0));
        Close(dialog, IDOK);
    });
}

TEST_F(AboutBox, LinkClicksOpenTheirAddressOnce)
{
    g_shellRequests.clear();
    RunAboutBox([](HWND dialog) {
        HWND web = Link(dialog, IDC_LINK_WEB), mail = Link(dialog, IDC_LINK_MAIL);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK_WEB, STN_CLICKED), (LPARAM)web);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK_WEB, STN_DBLCLK), (LPARAM)web);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK_MAIL, STN_CLICKED), (LPARAM)mail);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LINK_MAIL, STN_DBLCLK), (LPARAM)mail);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Close(dialog, IDCANCEL);
    });
    ASSERT_EQ(g_shellRequests.size(), 2u);
    EXPECT_EQ(g_shellRequests[0], WEB_SITE_ADDRESS);
    EXPECT_EQ(g_shellRequests[1], std::string("mailto:") + CONTACT_MAIL_ADDRESS);
}

TEST_F(AboutBox, HandCursorOverTheLinksOnly)
{
    RunAboutBox([](HWND dialog) {
        HCURSOR hand = LoadCursorA(NULL, IDC_HAND);
        for (int id : {IDC_LINK_WEB, IDC_LINK_MAIL}) {
            SetCursor(LoadCursorA(NULL, IDC_ARROW));
            SendDlgItemMessageA(dialog, id, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
            EXPECT_EQ(GetCursor(), hand) << "link " << id;
        }
        SetCursor(LoadCursorA(NULL, IDC_ARROW));
        SendDlgItemMessageA(dialog, IDC_VERSION_TEXT, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        SendDlgItemMessageA(dialog, IDOK, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_NE(GetCursor(), hand);
        Close(dialog, IDOK);
    });
}

TEST_F(AboutBox, EscapeKeyClosesTheBox)
{
    RunAboutBox([](HWND dialog) {
        HWND focus = GetFocus();
        EXPECT_EQ(focus, GetDlgItem(dialog, IDOK));
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_FALSE(IsWindow(g_seenDialog));
}

TEST_F(AboutBox, EveryOpeningReleasesWhatItCreated)
{
    g_createdObjects.clear();
    for (int i = 0; i < 30; i++) {
        RunAboutBox([](HWND dialog) {
            RememberObjects(dialog);
            Close(dialog, IDOK);
        });
    }
    ASSERT_EQ(g_createdObjects.size(), 30u * 5);
    for (size_t i = 0; i < g_createdObjects.size(); i++)
        EXPECT_EQ(GetObjectType(g_createdObjects[i]), 0u) << "object " << i << " still exists";
}

} // namespace
