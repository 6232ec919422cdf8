// The rows as a screen reader sees them, through the system's own entry
// point on the real main window, and the events it hears.
#include "calculator.h"
#include "reader.h"

#include <oleacc.h>

#include <utility>
#include <vector>

#include "accessibility/accessibility.h"
#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "engine/format.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

// The events a reader would hear, recorded by an out-of-context hook on
// this process; they arrive while the test pumps messages.
std::vector<std::pair<DWORD, LONG>> g_events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        g_events.push_back({event, child});
}

int CountEvents(DWORD event, LONG child)
{
    int count = 0;
    for (const auto& recorded : g_events)
        count += recorded.first == event && recorded.second == child;
    return count;
}

class Accessibility : public CalculatorTest {
protected:
    void SetUp() override
    {
        CalculatorTest::SetUp();
        CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        SetFocus(g_mainWindow);
        ASSERT_EQ(AccessibleObjectFromWindow(g_mainWindow, OBJID_CLIENT, __uuidof(IAccessible),
                                             (void**)&m_client),
                  S_OK);
    }
    void TearDown() override
    {
        if (m_client != NULL)
            m_client->Release();
        CalculatorTest::TearDown();
    }

    std::string Name(LONG id)
    {
        BSTR name = NULL;
        m_client->get_accName(Child(id), &name);
        return Narrow(name);
    }
    LONG State(LONG id)
    {
        VARIANT state = {};
        m_client->get_accState(Child(id), &state);
        return state.vt == VT_I4 ? state.lVal : -1;
    }

    IAccessible* m_client = NULL;
};

TEST_F(Accessibility, RowsReadAsTheyAreShown)
{
    TypeChars("DEADBEEF");
    LONG count = 0;
    m_client->get_accChildCount(&count);
    EXPECT_EQ(count, 4);
    VARIANT role = {};
    m_client->get_accRole(Child(CHILDID_SELF), &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_LIST);
    EXPECT_EQ(Name(1), "Hex DEAD-BEEF");
    EXPECT_EQ(Name(2), "Dec 3,735,928,559");
    EXPECT_EQ(Name(3), "Bin 1101-1110-1010-1101-1011-1110-1110-1111");
    BSTR value = NULL;
    m_client->get_accValue(Child(2), &value);
    EXPECT_EQ(Narrow(value), "3,735,928,559");
    const LONG item = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    EXPECT_EQ(State(1), item | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(State(2), item);

    // The rows' locations tile the client area from its top down to the
    // status bar, each band ending 5 pixels above the next row's text (at
    // 7, 32 and 57), across the whole width.
    RECT client;
    GetClientRect(g_mainWindow, &client);
    MapWindowPoints(g_mainWindow, NULL, (POINT*)&client, 2);
    const LONG BAND_TOPS[] = {0, 27, 52};
    LONG previousBottom = client.top;
    for (LONG id = 1; id <= 3; id++) {
        LONG left, top, width, height;
        m_client->accLocation(&left, &top, &width, &height, Child(id));
        EXPECT_EQ(top, previousBottom) << id;
        EXPECT_EQ(top, client.top + BAND_TOPS[id - 1]) << id;
        EXPECT_EQ(left, client.left) << id;
        EXPECT_EQ(left + width, client.right) << id;
        previousBottom = top + height;
        // A band's first, middle and last pixel: the last row's last one
        // lies just above the status bar.
        for (LONG y : {top, top + height / 2, top + height - 1}) {
            VARIANT hit = {};
            m_client->accHitTest(left + width / 2, y, &hit);
            EXPECT_EQ(hit.lVal, id) << "y " << y - client.top;
        }
    }
    EXPECT_EQ(previousBottom, client.bottom - g_statusBarHeight);

    SendCommand(CMD_VIEW_DEC);
    m_client->get_accChildCount(&count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Name(2), "Bin 1101-1110-1010-1101-1011-1110-1110-1111");
}

TEST_F(Accessibility, FocusFollowsTabAndTheDefaultActionSelects)
{
    TypeChars("\t");
    EXPECT_TRUE(State(2) & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(State(1) & STATE_SYSTEM_SELECTED);
    VARIANT focus = {};
    m_client->get_accFocus(&focus);
    EXPECT_EQ(focus.lVal, 2);

    BSTR action = NULL;
    m_client->get_accDefaultAction(Child(3), &action);
    EXPECT_EQ(Narrow(action), "Select");
    EXPECT_EQ(m_client->accDoDefaultAction(Child(3)), S_OK);
    EXPECT_EQ(g_calc.activeRow, ROW_BIN);
    EXPECT_EQ(m_client->accDoDefaultAction(Child(5)), E_INVALIDARG);
}

TEST_F(Accessibility, EachChangeIsAnnouncedOnce)
{
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, NULL, RecordEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    g_events.clear();
    TypeChars("1");
    PumpMessages();
    for (LONG id = 1; id <= 3; id++) {
        EXPECT_EQ(CountEvents(EVENT_OBJECT_NAMECHANGE, id), 1) << id;
        EXPECT_EQ(CountEvents(EVENT_OBJECT_VALUECHANGE, id), 0) << id;
    }

    // The bit readout under the mouse is no part of the status bar's name:
    // the next refresh has no name change of the bar to tell.
    SendMessageA(g_mainWindow, WM_MOUSEMOVE, 0,
                 MAKELPARAM(g_metrics.valueX + FieldWidth() * g_metrics.cellWidth - 1,
                            BandOfRow(ROW_BIN).textY + 1));
    g_events.clear();
    TypeChars("\t");
    PumpMessages();
    for (LONG id = 1; id <= 3; id++)
        EXPECT_EQ(CountEvents(EVENT_OBJECT_NAMECHANGE, id), 0) << id;
    EXPECT_EQ(CountEvents(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF), 0);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_SELECTION, 2), 1);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_FOCUS, 2), 1);

    // A change of width leaves every row's text: only the status bar's
    // name changes, and it is heard.
    g_events.clear();
    SendCommand(CMD_WIDTH_32);
    PumpMessages();
    EXPECT_EQ(CountEvents(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF), 1);

    // The Bin row's bit cursor takes the focus as it shows and moves; its
    // bit flipped changes its state.
    g_events.clear();
    SendCommand(CMD_SELECT_BIN);
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    TypeChars(" ");
    SendCommand(CMD_UNSIGNED_DEC);
    PumpMessages();
    EXPECT_EQ(CountEvents(EVENT_OBJECT_FOCUS, BIT_CURSOR_CHILD), 2);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_STATECHANGE, BIT_CURSOR_CHILD), 1);

    g_events.clear();
    SendCommand(CMD_VIEW_HEX);
    PumpMessages();
    EXPECT_EQ(CountEvents(EVENT_OBJECT_REORDER, CHILDID_SELF), 1);
    UnhookWinEvent(hook);
}

// Where a direction leads from a child (0: the list itself): a row by its
// number, the status bar (child 4) as its own object, nothing (0), or an
// invalid argument (-1).
TEST_F(Accessibility, ReadersWalkTheChildrenInReadingOrder)
{
    struct Case { LONG from, direction, to; };
    const Case cases[] = {
        {0, NAVDIR_FIRSTCHILD, 1}, {0, NAVDIR_LASTCHILD, 4},
        {1, NAVDIR_NEXT, 2}, {2, NAVDIR_DOWN, 3}, {3, NAVDIR_NEXT, 4}, {4, NAVDIR_NEXT, 0},
        {4, NAVDIR_PREVIOUS, 3}, {3, NAVDIR_UP, 2}, {1, NAVDIR_PREVIOUS, 0}, {2, NAVDIR_LEFT, 0},
        {1, NAVDIR_FIRSTCHILD, -1}, {2, NAVDIR_LASTCHILD, -1}, {5, NAVDIR_NEXT, -1},
    };
    for (const Case& c : cases) {
        VARIANT end = {};
        HRESULT result = m_client->accNavigate(c.direction, Child(c.from), &end);
        LONG to = result == E_INVALIDARG ? -1
                  : result == S_FALSE    ? 0
                  : end.vt == VT_I4      ? end.lVal
                                         : 4;
        EXPECT_EQ(to, c.to) << "from " << c.from << " direction " << c.direction;
        EXPECT_EQ(end.vt, c.to == 4 ? VT_DISPATCH : c.to > 0 ? VT_I4 : VT_EMPTY);
        if (end.vt == VT_DISPATCH)
            end.pdispVal->Release();
    }
    SendCommand(CMD_STATUS_BAR);
    VARIANT last = {};
    EXPECT_EQ(m_client->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &last), S_OK);
    EXPECT_EQ(last.vt, VT_I4);
    EXPECT_EQ(last.lVal, 3);
}

TEST_F(Accessibility, StatusBarIsAChildOfItsOwnAndHitsOutsideFindNothing)
{
    IDispatch* statusBar = NULL;
    EXPECT_EQ(m_client->get_accChild(Child(4), &statusBar), S_OK);
    ASSERT_NE(statusBar, nullptr);
    statusBar->Release();
    RECT bar;
    GetWindowRect(g_statusBar, &bar);
    VARIANT hit = {};
    EXPECT_EQ(m_client->accHitTest((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2, &hit),
              S_OK);
    EXPECT_EQ(hit.vt, VT_DISPATCH);
    if (hit.vt == VT_DISPATCH)
        hit.pdispVal->Release();
    RECT window;
    GetWindowRect(g_mainWindow, &window);
    VARIANT outside = {};
    EXPECT_EQ(m_client->accHitTest(window.right + 5, window.bottom + 5, &outside), S_FALSE);
    EXPECT_EQ(outside.vt, VT_EMPTY);
}

TEST_F(Accessibility, NoRowHasTheFocusWhileTheWindowHasNot)
{
    HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, NULL, NULL,
                                 NULL, NULL);
    SetFocus(other);
    VARIANT focus = {};
    EXPECT_EQ(m_client->get_accFocus(&focus), S_FALSE);
    EXPECT_EQ(State(1) & STATE_SYSTEM_FOCUSED, 0);
    EXPECT_TRUE(State(1) & STATE_SYSTEM_SELECTED);

    // Nor the bit cursor, shown and moved meanwhile.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, NULL, RecordEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    g_events.clear();
    SendCommand(CMD_SELECT_BIN);
    PressKey(VK_LEFT);
    PumpMessages();
    UnhookWinEvent(hook);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_FOCUS, BIT_CURSOR_CHILD), 0);
    EXPECT_EQ(State(BIT_CURSOR_CHILD), STATE_SYSTEM_FOCUSABLE);
    DestroyWindow(other);
}

// The cursor's bit is the one focused element while it shows, located at
// its cell (bit 0 in the last of 79 cells at x 664, a separator every four
// bits), and no element at all once the Bin row is left.
TEST_F(Accessibility, TheCursorsBitAloneHasTheFocus)
{
    EXPECT_EQ(State(BIT_CURSOR_CHILD), -1);
    SendCommand(CMD_SELECT_BIN);
    POINT origin = {0, 0};
    ClientToScreen(g_mainWindow, &origin);
    const LONG LEFTS[] = {664, 624, 40};
    for (int i = 0, bit = -1; i < 3; i++) {
        for (int target = i == 0 ? 0 : i == 1 ? 4 : 63; bit < target; bit++)
            PressKey(VK_LEFT);
        LONG left, top, width, height;
        m_client->accLocation(&left, &top, &width, &height, Child(BIT_CURSOR_CHILD));
        EXPECT_EQ(std::vector<LONG>({left - origin.x, top - origin.y, width, height}),
                  std::vector<LONG>({LEFTS[i], 57, 8, 13}));
    }
    const LONG item = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    EXPECT_EQ(State(3), item | STATE_SYSTEM_SELECTED);
    EXPECT_EQ(State(BIT_CURSOR_CHILD), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    TypeChars("\t ");
    EXPECT_EQ(ShownValue(), 0u);
    EXPECT_EQ(State(BIT_CURSOR_CHILD), -1);
    EXPECT_EQ(State(1), item | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
}

TEST_F(Accessibility, NoObjectOutlivesTheWindowAndItsReaders)
{
    EXPECT_EQ(CountLiveAccessibleObjects(), 1);
    StopCalculator();
    EXPECT_EQ(CountLiveAccessibleObjects(), 1) << "the reader still holds it";
    m_client->Release();
    m_client = NULL;
    EXPECT_EQ(CountLiveAccessibleObjects(), 0);
}

TEST_F(Accessibility, AReferenceOutlivingTheWindowAnswersAnError)
{
    StopCalculator();
    LONG count = -1;
    EXPECT_TRUE(FAILED(m_client->get_accChildCount(&count)));
    EXPECT_EQ(count, 0);
    BSTR name = NULL;
    EXPECT_TRUE(FAILED(m_client->get_accName(Child(1), &name)));
    EXPECT_EQ(name, nullptr);
}

} // namespace
