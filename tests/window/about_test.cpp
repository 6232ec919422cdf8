// The real About box, run modally from the real command; a thread timer
// inspects it from inside its own message loop and then closes it.
#include "calculator.h"
#include "canvas.h"
#include "colour_scheme.h"
#include "reader.h"

#include <vector>

#include "accessibility/accessibility.h"
#include "dialogs/about.h"
#include "display/layout.h"
#include "resources/resource.h"
#include "shell_recorder.h"

namespace {

typedef void (*Inspection)(HWND dialog);
Inspection g_inspection;
HWND g_seenDialog;
// Set when the box was still open a while after its inspection, and the
// test closed it.
bool g_leftOpen;
UINT_PTR g_watchdog;
std::vector<HGDIOBJ> g_createdObjects;

void CALLBACK CloseIfStillOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(NULL, timer);
    g_leftOpen = IsWindow(g_seenDialog) != 0;
    if (g_leftOpen)
        EndDialog(g_seenDialog, IDCANCEL);
}

void CALLBACK InspectWhenOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    // The modal run shows the box only once its loop has started.
    HWND dialog = FindWindowA("#32770", "About");
    if (dialog == NULL || !IsWindowVisible(dialog))
        return;
    KillTimer(NULL, timer);
    g_seenDialog = dialog;
    g_inspection(dialog);
    g_watchdog = SetTimer(NULL, 0, 1000, CloseIfStillOpen);
}

// Opens the box through CMD_ABOUT and returns once it has closed; true
// when the inspection closed it, false when the test had to.
bool RunAboutBox(Inspection inspection)
{
    g_inspection = inspection;
    g_seenDialog = NULL;
    g_leftOpen = false;
    SetTimer(NULL, 0, 20, InspectWhenOpen);
    SendCommand(CMD_ABOUT);
    KillTimer(NULL, g_watchdog);
    return g_seenDialog != NULL && !g_leftOpen;
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
    for (int id : {IDC_LOGO, IDC_DIVIDER})
        g_createdObjects.push_back(
            (HGDIOBJ)SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

void Close(HWND dialog, WPARAM command)
{
    SendMessageA(dialog, WM_COMMAND, command, 0);
}

// What the modal loop does with each message, until the queue is empty.
void PumpDialog(HWND dialog)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
}

typedef CalculatorTest AboutBox;

TEST_F(AboutBox, ShowsVersionAndBlueUnderlinedLinks)
{
    bool closed = RunAboutBox([](HWND dialog) {
        char text[200];
        GetDlgItemTextA(dialog, IDC_VERSION_TEXT, text, sizeof text);
        EXPECT_STREQ(text, "Version 0.06.00 - Beta\nBuilt on Feb 22, 2006");
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
    EXPECT_TRUE(closed) << "OK left the box open";
}

// White on black with cyan links, then, while the box is open, black on a
// light grey: each time the box's brushes take the scheme, and the links a
// colour that reads on it (the scheme's link colour where blue does not).
TEST_F(AboutBox, TakesTheUsersColours)
{
    ColourScheme scheme({{COLOR_WINDOW, RGB(0, 0, 0)},
                         {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
                         {COLOR_HOTLIGHT, RGB(0, 255, 255)}});
    RunAboutBox([](HWND dialog) {
        StaticColours plain = AskStaticColours(dialog, Link(dialog, IDC_VERSION_TEXT));
        EXPECT_EQ(plain.text, RGB(255, 255, 255));
        EXPECT_EQ(BrushColour(plain.brush), RGB(0, 0, 0));
        StaticColours link = AskStaticColours(dialog, Link(dialog, IDC_LINK_WEB));
        EXPECT_EQ(BrushColour(link.brush), RGB(0, 0, 0));
        EXPECT_EQ(link.text, RGB(0, 255, 255)) << "pure blue does not read on black";

        ColourScheme light({{COLOR_WINDOW, RGB(200, 200, 200)}, {COLOR_WINDOWTEXT, RGB(0, 0, 0)}});
        SendMessageA(dialog, WM_SYSCOLORCHANGE, 0, 0);
        link = AskStaticColours(dialog, Link(dialog, IDC_LINK_MAIL));
        EXPECT_EQ(BrushColour(link.brush), RGB(200, 200, 200));
        EXPECT_EQ(link.text, RGB(0, 0, 255));
        Close(dialog, IDOK);
    });
}

// The scheme's background, link and text colours in; the link's colour out.
TEST(LinkColour, ReadsOnEveryScheme)
{
    const COLORREF WHITE = RGB(255, 255, 255), BLACK = RGB(0, 0, 0), BLUE = RGB(0, 0, 255);
    const COLORREF NAVY = RGB(0, 0, 204), DARK = RGB(0, 0, 128), GREY = RGB(160, 160, 160);
    const COLORREF CYAN = RGB(0, 255, 255), YELLOW = RGB(255, 255, 0);
    struct Case { COLORREF background, hotLight, text; bool highContrast; COLORREF link; };
    const Case cases[] = {
        {WHITE, NAVY, BLACK, false, BLUE},    {GREY, NAVY, BLACK, false, BLACK},
        {GREY, DARK, BLACK, false, DARK},     {BLACK, NAVY, WHITE, false, WHITE},
        {BLACK, CYAN, WHITE, false, CYAN},    {BLACK, YELLOW, WHITE, true, YELLOW},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadableLinkColour(c.background, c.hotLight, c.text, c.highContrast), c.link)
            << std::hex << "background " << c.background << " link colour " << c.hotLight;
}

std::vector<IAccessible*> g_linkObjects;

// To a reader each link is a link named by its text, whose value is the
// address it opens, placed where the link is on the screen, and whose
// default action opens it once the reader's call has returned. The
// objects outlive the box only as dead objects.
void ExpectReadersKnowTheLinks(HWND dialog)
{
    struct Case { int id; const char* name; std::string value; };
    const Case cases[] = {
        {IDC_LINK_WEB, "ternwick.example", WEB_SITE_ADDRESS},
        {IDC_LINK_MAIL, CONTACT_MAIL_ADDRESS, std::string("mailto:") + CONTACT_MAIL_ADDRESS},
    };
    const VARIANT self = Child(CHILDID_SELF);
    for (const Case& c : cases) {
        IAccessible* link = NULL;
        ASSERT_EQ(AccessibleObjectFromWindow(Link(dialog, c.id), OBJID_CLIENT,
                                             __uuidof(IAccessible), (void**)&link),
                  S_OK);
        g_linkObjects.push_back(link);
        VARIANT role = {}, state = {}, focusedState = {};
        BSTR name = NULL, value = NULL, action = NULL;
        link->get_accRole(self, &role);
        link->get_accName(self, &name);
        link->get_accValue(self, &value);
        link->get_accDefaultAction(self, &action);
        link->get_accState(self, &state);
        SetFocus(Link(dialog, c.id));
        link->get_accState(self, &focusedState);
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK);
        EXPECT_EQ(Narrow(name) + "|" + Narrow(value) + "|" + Narrow(action),
                  c.name + ("|" + c.value) + "|Jump");
        EXPECT_EQ(state.lVal, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED);
        EXPECT_EQ(focusedState.lVal, state.lVal | STATE_SYSTEM_FOCUSED);
        RECT window;
        GetWindowRect(Link(dialog, c.id), &window);
        LONG left = 0, top = 0, width = 0, height = 0;
        link->accLocation(&left, &top, &width, &height, self);
        EXPECT_EQ(std::vector<LONG>({left, top, width, height}),
                  std::vector<LONG>({window.left, window.top, window.right - window.left,
                                     window.bottom - window.top}))
            << c.name;
        size_t opened = g_shellRequests.size();
        EXPECT_EQ(link->accDoDefaultAction(self), S_OK);
        EXPECT_EQ(g_shellRequests.size(), opened) << "opened within the reader's call";
        PumpDialog(dialog);
        EXPECT_EQ(g_shellRequests.size(), opened + 1) << c.name;
    }
}

bool g_cuesHidden;
WNDPROC g_webLinkProc;

LRESULT CALLBACK AnswerCueState(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return g_cuesHidden ? UISF_HIDEFOCUS : 0;
    return CallWindowProcA(g_webLinkProc, link, message, wParam, lParam);
}

// Readers open each link once (above). From OK, Tab leads to the web link,
// the mail link and OK again; Enter and Space open the focused link's
// address once, a held Enter no more, and the box stays open until Enter
// on OK. The web link shows its focus ring on the screen while it has the
// focus and the keyboard cues show, and loses it with either.
TEST_F(AboutBox, KeyboardAndReadersReachEachLink)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    g_shellRequests.clear();
    g_linkObjects.clear();
    LONG liveBefore = CountLiveAccessibleObjects();
    bool closed = RunAboutBox([](HWND dialog) {
        const LPARAM REPEAT = 1 << 30, UP = (LPARAM)0xC0000000;
        // The keyboard cues hidden and shown as the system tells each control
        // (Wine keeps no cue state, so the link is answered as Windows would).
        const WPARAM HIDE_CUES = MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS);
        const WPARAM SHOW_CUES = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
        struct Step { WPARAM key; UINT message; LPARAM flags; int focus; size_t opened; bool ring; };
        const Step steps[] = {
            {VK_TAB, WM_KEYDOWN, 0, IDC_LINK_WEB, 2, true},
            {HIDE_CUES, WM_UPDATEUISTATE, 0, IDC_LINK_WEB, 2, false},
            {SHOW_CUES, WM_UPDATEUISTATE, 0, IDC_LINK_WEB, 2, true},
            {VK_RETURN, WM_KEYDOWN, 0, IDC_LINK_WEB, 3, true},
            {VK_RETURN, WM_KEYDOWN, REPEAT, IDC_LINK_WEB, 3, true},
            {VK_SPACE, WM_KEYDOWN, 0, IDC_LINK_WEB, 3, true},
            {VK_SPACE, WM_KEYUP, UP, IDC_LINK_WEB, 4, true},
            {VK_TAB, WM_KEYDOWN, 0, IDC_LINK_MAIL, 4, false},
            {VK_SPACE, WM_KEYDOWN, 0, IDC_LINK_MAIL, 4, false},
            {VK_SPACE, WM_KEYUP, UP, IDC_LINK_MAIL, 5, false},
            {VK_RETURN, WM_KEYDOWN, 0, IDC_LINK_MAIL, 6, false},
            {VK_TAB, WM_KEYDOWN, 0, IDOK, 6, false},
        };
        HWND ok = GetDlgItem(dialog, IDOK);
        EXPECT_EQ(GetFocus(), ok);
        g_webLinkProc = (WNDPROC)SetWindowLongPtrA(Link(dialog, IDC_LINK_WEB), GWLP_WNDPROC,
                                                   (LONG_PTR)AnswerCueState);
        ExpectReadersKnowTheLinks(dialog);
        SetFocus(ok);
        SendMessageA(dialog, WM_CHANGEUISTATE, SHOW_CUES, 0);
        PumpDialog(dialog);
        const std::vector<COLORREF> unfocused = ScreenPixels(Link(dialog, IDC_LINK_WEB));
        for (const Step& step : steps) {
            if (step.message == WM_UPDATEUISTATE)
                g_cuesHidden = LOWORD(step.key) == UIS_SET;
            LPARAM repeats = step.message == WM_UPDATEUISTATE ? 0 : 1;
            PostMessageA(GetFocus(), step.message, step.key, step.flags | repeats);
            PumpDialog(dialog);
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), step.focus) << "key " << step.key;
            EXPECT_EQ(g_shellRequests.size(), step.opened) << "key " << step.key;
            EXPECT_EQ(ScreenPixels(Link(dialog, IDC_LINK_WEB)) != unfocused, step.ring)
                << "focus ring after key " << step.key;
        }
        EXPECT_TRUE(IsWindowVisible(dialog));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        PumpDialog(dialog);
    });
    EXPECT_TRUE(closed) << "Enter on OK left the box open";
    for (IAccessible* link : g_linkObjects) {
        BSTR name = NULL;
        EXPECT_EQ(link->get_accName(Child(CHILDID_SELF), &name), E_FAIL) << "a closed box's link";
        link->Release();
    }
    EXPECT_EQ(CountLiveAccessibleObjects(), liveBefore);
    const std::string WEB = WEB_SITE_ADDRESS, MAIL = std::string("mailto:") + CONTACT_MAIL_ADDRESS;
    EXPECT_EQ(g_shellRequests, std::vector<std::string>({WEB, MAIL, WEB, WEB, MAIL, MAIL}));
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
    bool closed = RunAboutBox([](HWND dialog) {
        HWND focus = GetFocus();
        EXPECT_EQ(focus, GetDlgItem(dialog, IDOK));
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_TRUE(closed);
}

// A reader that asks for a link's object while the link is being destroyed
// gets one that is cut loose with it, and the next box's links are links.
// Esc closes the box from a link and after a reader's action.
WNDPROC g_linkProcs[2];

LRESULT CALLBACK AskLateForObject(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = g_linkProcs[GetDlgCtrlID(link) == IDC_LINK_MAIL];
    LRESULT result = CallWindowProcA(previous, link, message, wParam, lParam);
    IAccessible* object = NULL;
    if (message == WM_DESTROY &&
        AccessibleObjectFromWindow(link, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object) ==
            S_OK)
        object->Release();
    return result;
}

TEST_F(AboutBox, ALateReaderLeavesNoObjectBehind)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    LONG liveBefore = CountLiveAccessibleObjects();
    bool closed = RunAboutBox([](HWND dialog) {
        for (int id : {IDC_LINK_WEB, IDC_LINK_MAIL})
            g_linkProcs[id == IDC_LINK_MAIL] = (WNDPROC)SetWindowLongPtrA(
                Link(dialog, id), GWLP_WNDPROC, (LONG_PTR)AskLateForObject);
        SetFocus(Link(dialog, IDC_LINK_MAIL));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_TRUE(closed) << "Esc on a link";
    EXPECT_EQ(CountLiveAccessibleObjects(), liveBefore);
    closed = RunAboutBox([](HWND dialog) {
        for (int id : {IDC_LINK_MAIL, IDC_LINK_WEB}) {
            IAccessible* link = NULL;
            VARIANT role = {};
            ASSERT_EQ(AccessibleObjectFromWindow(Link(dialog, id), OBJID_CLIENT,
                                                 __uuidof(IAccessible), (void**)&link),
                      S_OK);
            link->get_accRole(Child(CHILDID_SELF), &role);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK) << "link " << id;
            if (id == IDC_LINK_WEB)
                link->accDoDefaultAction(Child(CHILDID_SELF));
            link->Release();
        }
        PumpDialog(dialog);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_TRUE(closed) << "Esc after a reader's action";
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
    ASSERT_EQ(g_createdObjects.size(), 30u * 7);
    for (size_t i = 0; i < g_createdObjects.size(); i++)
        EXPECT_EQ(GetObjectType(g_createdObjects[i]), 0u) << "object " << i << " still exists";
}

} // namespace
