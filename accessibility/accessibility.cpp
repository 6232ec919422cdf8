#include "accessibility/accessibility.h"

#include <oleacc.h>
#include <string.h>

#include "accessibility/accessible_base.h"
#include "accessibility/ole_runtime.h"
#include "display/bit_pad.h"
#include "display/bit_selection.h"
#include "display/layout.h"
#include "display/row_text.h"
#include "display/rows.h"
#include "statusbar/status_bar.h"
#include "statusbar/status_texts.h"

namespace {

const char ROW_ACTION[] = "Select";
// The list's numbered children are rows and the status bar.
const ChildKind CHILD_ROW = CHILD_OWN_KINDS;
const ChildKind CHILD_STATUS_BAR = (ChildKind)(CHILD_OWN_KINDS + 1);
const ChildKind CHILD_BIT = (ChildKind)(CHILD_OWN_KINDS + 2);

// The status bar follows the rows as the last child, while it is shown.
LONG StatusBarChild()
{
    return IsStatusBarShown() ? VisibleRowCount() + 1 : 0;
}

LONG ChildCount()
{
    return VisibleRowCount() + (IsStatusBarShown() ? 1 : 0);
}

// The status bar is a window with an accessible object of its own.
HRESULT StatusBarObject(IDispatch** object)
{
    return g_ole.accessibleObjectFromWindow(g_statusBar, (DWORD)OBJID_CLIENT, __uuidof(IDispatch),
                                            (void**)object);
}

// Names a child the way readers expect: a row by its number, the status
// bar by its object.
HRESULT NameChild(LONG id, VARIANT* child)
{
    if (id == StatusBarChild()) {
        if (StatusBarObject(&child->pdispVal) != S_OK)
            return S_FALSE;
        child->vt = VT_DISPATCH;
        return S_OK;
    }
    child->vt = VT_I4;
    child->lVal = id;
    return S_OK;
}

bool IsChildDirection(LONG direction)
{
    return direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
}

// The child a direction leads to from the child numbered from (0: the list
// itself); 0 where there is none, -1 for a direction that is no direction.
LONG NeighbourOf(LONG from, LONG direction)
{
    switch (direction) {
    case NAVDIR_FIRSTCHILD: return 1;
    case NAVDIR_LASTCHILD: return ChildCount();
    case NAVDIR_NEXT:
    case NAVDIR_DOWN: return from < ChildCount() ? from + 1 : 0;
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP: return from - 1;
    case NAVDIR_LEFT:
    case NAVDIR_RIGHT: return 0;
    }
    return -1;
}

// The client object of the main window. It keeps no copy of the rows:
// every answer is read from the display at the time of the call. Whatever
// the rows do not answer goes to the system's standard client object.
class RowsAccessible final : public AccessibleBase {
public:
    RowsAccessible(HWND window, IAccessible* standard) : AccessibleBase(window, standard) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        *count = 0;
        if (m_window == NULL)
            return E_FAIL;
        *count = ChildCount();
        return S_OK;
    }

    // Rows and the cursor's bit are simple elements; the status bar is an
    // object of its own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        *object = NULL;
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_ROW || kind == CHILD_BIT)
            return S_FALSE;
        if (kind == CHILD_STATUS_BAR)
            return StatusBarObject(object);
        return Refusal(kind);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        *name = NULL;
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->get_accName(child, name);
        if (kind == CHILD_BIT)
            return SpeakBit(name);
        return kind == CHILD_ROW ? SpeakRow(row, false, name) : Refusal(kind);
    }

    // The value is the row's text alone, without its label.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        *value = NULL;
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->get_accValue(child, value);
        if (kind == CHILD_BIT)
            return S_FALSE;
        return kind == CHILD_ROW ? SpeakRow(row, true, value) : Refusal(kind);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        *description = NULL;
        if (IsSelf(child))
            return m_standard->get_accDescription(child, description);
        return NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        VariantInitEmpty(role);
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        const LONG ROLES[] = {ROLE_SYSTEM_LIST, ROLE_SYSTEM_LISTITEM, ROLE_SYSTEM_CHECKBUTTON};
        int index = kind == CHILD_SELF ? 0 : kind == CHILD_ROW ? 1 : kind == CHILD_BIT ? 2 : -1;
        if (index < 0)
            return Refusal(kind);
        role->vt = VT_I4;
        role->lVal = ROLES[index];
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        VariantInitEmpty(state);
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->get_accState(child, state);
        if (kind != CHILD_ROW && kind != CHILD_BIT)
            return Refusal(kind);
        state->vt = VT_I4;
        state->lVal = kind == CHILD_BIT ? BitState() : RowState(row);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        *help = NULL;
        if (IsSelf(child))
            return m_standard->get_accHelp(child, help);
        return NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        *file = NULL;
        *topic = 0;
        if (IsSelf(child))
            return m_standard->get_accHelpTopic(file, child, topic);
        return NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        *shortcut = NULL;
        if (IsSelf(child))
            return m_standard->get_accKeyboardShortcut(child, shortcut);
        return NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        VariantInitEmpty(focus);
        if (m_window == NULL)
            return E_FAIL;
        if (!HasFocus())
            return S_FALSE;
        focus->vt = VT_I4;
        focus->lVal = g_bitPad.cursorShown ? BIT_CURSOR_CHILD : VisibleRowNumber(g_calc.activeRow);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        VariantInitEmpty(selection);
        if (m_window == NULL)
            return E_FAIL;
        selection->vt = VT_I4;
        selection->lVal = VisibleRowNumber(g_calc.activeRow);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        *action = NULL;
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->get_accDefaultAction(child, action);
        if (kind == CHILD_BIT)
            return S_FALSE;
        if (kind != CHILD_ROW)
            return Refusal(kind);
        return AnswerText(ROW_ACTION, action);
    }

    // Taking the selection or the focus makes the row active, as a click
    // does.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->accSelect(flags, child);
        if (kind != CHILD_ROW)
            return kind == CHILD_BIT ? DISP_E_MEMBERNOTFOUND : Refusal(kind);
        if (flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS))
            SelectRow(row);
        return S_OK;
    }

    // A row is the band a click selects, across the client area.
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        *left = *top = *width = *height = 0;
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->accLocation(left, top, width, height, child);
        if (kind != CHILD_ROW && kind != CHILD_BIT)
            return Refusal(kind);
        RECT rect = kind == CHILD_BIT ? BitCursorCell() : RowBandRect(row);
        MapWindowPoints(m_window, NULL, (POINT*)&rect, 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }

    // From the list its first and last child; between the children, their
    // neighbours in reading order. The list's own neighbours among windows
    // are the standard object's.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        VariantInitEmpty(end);
        RowIndex row;
        ChildKind kind = Classify(start, &row);
        if (kind == CHILD_SELF && !IsChildDirection(direction))
            return m_standard->accNavigate(direction, start, end);
        if (kind == CHILD_INVALID || kind == CHILD_CUT_LOOSE)
            return Refusal(kind);
        if (kind == CHILD_BIT)
            return S_FALSE;
        if (kind != CHILD_SELF && IsChildDirection(direction))
            return E_INVALIDARG;
        LONG from = kind == CHILD_SELF  ? 0
                    : kind == CHILD_ROW ? VisibleRowNumber(row)
                                        : ChildCount();
        LONG to = NeighbourOf(from, direction);
        if (to < 0)
            return E_INVALIDARG;
        return to == 0 ? S_FALSE : NameChild(to, end);
    }

    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        VariantInitEmpty(child);
        if (m_window == NULL)
            return E_FAIL;
        POINT point = {x, y};
        ScreenToClient(m_window, &point);
        RECT client;
        GetClientRect(m_window, &client);
        if (!PtInRect(&client, point))
            return S_FALSE;
        if (IsStatusBarShown() && point.y >= StatusBarTop())
            return NameChild(StatusBarChild(), child);
        // The row whose band a click there would select.
        return NameChild(VisibleRowNumber(RowAtY(point.y)), child);
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        if (kind == CHILD_SELF)
            return m_standard->accDoDefaultAction(child);
        if (kind != CHILD_ROW)
            return kind == CHILD_BIT ? DISP_E_MEMBERNOTFOUND : Refusal(kind);
        SelectRow(row);
        return S_OK;
    }

private:
    bool HasFocus() const { return GetFocus() == m_window; }

    RECT RowBandRect(RowIndex row) const
    {
        RECT client;
        GetClientRect(m_window, &client);
        RowBand band = BandOfRow(row);
        return RECT{0, band.top, client.right, band.bottom};
    }

    // The one reading of a child VARIANT that every method starts from.
    ChildKind Classify(VARIANT child, RowIndex* row) const
    {
        ChildKind kind = ClassifyChild(child);
        if (kind != CHILD_NUMBERED)
            return kind;
        if (child.lVal >= 1 && FindVisibleRow(child.lVal - 1, row))
            return CHILD_ROW;
        if (child.lVal == BIT_CURSOR_CHILD && g_bitPad.cursorShown)
            return CHILD_BIT;
        return child.lVal == StatusBarChild() ? CHILD_STATUS_BAR : CHILD_INVALID;
    }

    bool IsSelf(VARIANT child) const
    {
        RowIndex row;
        return Classify(child, &row) == CHILD_SELF;
    }

    // A row or a bit has no description, help or shortcut of its own.
    HRESULT NothingForRow(VARIANT child) const
    {
        RowIndex row;
        ChildKind kind = Classify(child, &row);
        return kind == CHILD_ROW || kind == CHILD_BIT ? S_FALSE : Refusal(kind);
    }

    // While the bit cursor shows, the focus is its bit, not the row.
    LONG RowState(RowIndex row) const
    {
        LONG flags = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        bool focused = HasFocus() && !g_bitPad.cursorShown;
        if (row == g_calc.activeRow)
            flags |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
        return flags;
    }

    // The bit at the cursor is a check box, checked for a 1, selected while
    // it stands in the selected field.
    LONG BitState() const
    {
        LONG flags = STATE_SYSTEM_FOCUSABLE | (HasFocus() ? STATE_SYSTEM_FOCUSED : 0);
        flags |= IsBitInField(g_bitPad.cursor) ? STATE_SYSTEM_SELECTED : 0;
        return flags | ((ShownValue() >> g_bitPad.cursor) & 1 ? STATE_SYSTEM_CHECKED : 0);
    }

    // "Bit 13": the number without the readout's leading zero.
    HRESULT SpeakBit(BSTR* name) const
    {
        char speech[16];
        FormatStatusText(speech, sizeof speech, "Bit %d", g_bitPad.cursor);
        return AnswerText(speech, name);
    }

    HRESULT SpeakRow(RowIndex row, bool textOnly, BSTR* text) const
    {
        char speech[ROW_SPEECH_SIZE];
        FormatRowSpeech(row, speech, sizeof speech);
        return AnswerText(textOnly ? strchr(speech, ' ') + 1 : speech, text);
    }
};

// Held by the window from the first request until it is destroyed.
AccessibleBase* g_rowsAccessible = NULL;

} // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam)
{
    return AnswerClientObject(window, wParam, lParam, &g_rowsAccessible,
                              MakeOnHeap<RowsAccessible>);
}

void DisconnectAccessibleRows()
{
    DisconnectClientObject(&g_rowsAccessible);
}

LONG CountLiveAccessibleObjects()
{
    return AccessibleBase::s_live;
}
