// The rows as a screen reader sees them, through the system's own entry
// point on the real main window, and the events it hears.
#include "calculator.h"

#include <oleacc.h>

#include <utility>
#include <vector>

#include "display/layout.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

VARIANT Child(LONG id)
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string Narrow(BSTR text)
{
    char buffer[256] = "";
    if (text != NULL)
        WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
    SysFreeString(text);
    return buffer;
}

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

    // Each row's location is the band a click selects, on the screen; the
    // last one ends where the status bar begins.
    RECT client;
    GetClientRect(g_mainWindow, &client);
    MapWindowPoints(g_mainWindow, NULL, (POINT*)&client, 2);
    for (LONG id = 1; id <= 3; id++) {
        LONG left, top, width, height;
        m_client->accLocation(&left, &top, &width, &height, Child(id));
        RowBand band = RowBandAt(id - 1, 3);
        EXPECT_EQ(top, client.top + band.top) << id;
        EXPECT_EQ(left + width, client.right) << id;
        int bottom = id < 3 ? client.top + band.bottom : client.bottom - g_statusBarHeight;
        EXPECT_EQ(top + height, bottom) << id;
        VARIANT hit = {};
        m_client->accHitTest(left + width / 2, top + height / 2, &hit);
        EXPECT_EQ(hit.lVal, id);
    }

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
    for (LONG id = 1; id <= 3; id++)
        EXPECT_EQ(CountEvents(EVENT_OBJECT_VALUECHANGE, id), 1) << id;

    g_events.clear();
    TypeChars("\t");
    PumpMessages();
    EXPECT_EQ(CountEvents(EVENT_OBJECT_VALUECHANGE, 2), 0);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_SELECTION, 2), 1);
    EXPECT_EQ(CountEvents(EVENT_OBJECT_FOCUS, 2), 1);

    g_events.clear();
    SendCommand(CMD_VIEW_HEX);
    PumpMessages();
    EXPECT_EQ(CountEvents(EVENT_OBJECT_REORDER, CHILDID_SELF), 1);
    UnhookWinEvent(hook);
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
