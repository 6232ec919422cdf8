#include "display/accessibility.h"

#include <new>
#include <oleacc.h>
#include <string.h>

#include "display/metrics.h"
#include "display/ole_runtime.h"
#include "display/row_text.h"
#include "display/rows.h"
#include "statusbar/status_bar.h"

namespace {

const char ROW_ACTION[] = "Select";

// The row of a child id (1 for the top visible row); false for the client
// itself, the status bar and anything out of range.
bool RowOfChild(VARIANT child, RowIndex* row)
{
    return child.vt == VT_I4 && child.lVal >= 1 && FindVisibleRow(child.lVal - 1, row);
}

bool IsSelf(VARIANT child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

int StatusBarChild()
{
    return g_statusBar != NULL ? VisibleRowCount() + 1 : 0;
}

// A row's band in client coordinates, across the client area; the last
// band ends where the status bar begins.
RECT RowRectangle(HWND window, RowIndex row)
{
    RECT client;
    GetClientRect(window, &client);
    int bottom = client.bottom - (g_statusBar != NULL ? g_statusBarHeight : 0);
    RowBand band = RowBandAt(VisibleRowNumber(row) - 1, VisibleRowCount());
    RECT rect = {0, band.top, client.right, band.bottom < bottom ? band.bottom : bottom};
    return rect;
}

// The client object of the main window. It keeps no copy of the rows:
// every answer is read from the display at the time of the call. Whatever
// the rows do not answer goes to the system's standard client object.
class RowsAccessible final : public IAccessible {
public:
    RowsAccessible(HWND window, IAccessible* standard) : m_window(window), m_standard(standard) {}

    // Cut loose: every later call answers an error code.
    void Disconnect()
    {
        m_window = NULL;
        if (m_standard != NULL)
            m_standard->Release();
        m_standard = NULL;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        *object = NULL;
        if (!IsEqualIID(iid, __uuidof(IUnknown)) && !IsEqualIID(iid, __uuidof(IDispatch)) &&
            !IsEqualIID(iid, __uuidof(IAccessible)))
            return E_NOINTERFACE;
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }

    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            Disconnect();
            this->~RowsAccessible();
            HeapFree(GetProcessHeap(), 0, this);
        }
        return (ULONG)left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        *info = NULL;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = NULL;
        return m_window == NULL ? E_FAIL : m_standard->get_accParent(parent);
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        *count = 0;
        if (m_window == NULL)
            return E_FAIL;
        *count = VisibleRowCount() + (g_statusBar != NULL);
        return S_OK;
    }

    // Rows are simple children; the status bar is a window with an
    // accessible object of its own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        *object = NULL;
        RowIndex row;
        if (m_window == NULL)
            return E_FAIL;
        if (RowOfChild(child, &row))
            return S_FALSE;
        if (child.vt != VT_I4 || child.lVal != StatusBarChild() || child.lVal == 0)
            return E_INVALIDARG;
        return g_ole.accessibleObjectFromWindow(g_statusBar, (DWORD)OBJID_WINDOW,
                                                __uuidof(IDispatch), (void**)object);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        *name = NULL;
        if (m_window != NULL && IsSelf(child))
            return m_standard->get_accName(child, name);
        return SpeakRow(child, false, name);
    }

    // The value is the row's text alone, without its label.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        *value = NULL;
        if (m_window != NULL && IsSelf(child))
            return m_standard->get_accValue(child, value);
        return SpeakRow(child, true, value);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        *description = NULL;
        if (m_window != NULL && IsSelf(child))
            return m_standard->get_accDescription(child, description);
        return NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        VariantInitEmpty(role);
        RowIndex row;
        if (m_window == NULL)
            return E_FAIL;
        if (!IsSelf(child) && !RowOfChild(child, &row))
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = IsSelf(child) ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        VariantInitEmpty(state);
        RowIndex row;
        if (m_window != NULL && IsSelf(child))
            return m_standard->get_accState(child, state);
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        LONG flags = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (row == g_calc.activeRow)
            flags |= STATE_SYSTEM_SELECTED | (HasFocus() ? STATE_SYSTEM_FOCUSED : 0);
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        *help = NULL;
        return IsSelf(child) && m_window != NULL ? S_FALSE : NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        *file = NULL;
        *topic = 0;
        return IsSelf(child) && m_window != NULL ? S_FALSE : NothingForRow(child);
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        *shortcut = NULL;
        if (m_window != NULL && IsSelf(child))
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
        focus->lVal = VisibleRowNumber(g_calc.activeRow);
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
        if (m_window != NULL && IsSelf(child))
            return m_standard->get_accDefaultAction(child, action);
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        *action = MakeBstr(ROW_ACTION);
        return *action != NULL ? S_OK : E_OUTOFMEMORY;
    }

    // Taking the selection or the focus makes the row active, as a click
    // does.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        RowIndex row;
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        if (flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS))
            SelectRow(row);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        *left = *top = *width = *height = 0;
        RowIndex row;
        if (m_window != NULL && IsSelf(child))
            return m_standard->accLocation(left, top, width, height, child);
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        RECT rect = RowRectangle(m_window, row);
        MapWindowPoints(m_window, NULL, (POINT*)&rect, 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        VariantInitEmpty(end);
        if (m_window != NULL && IsSelf(start))
            return m_standard->accNavigate(direction, start, end);
        return NothingForRow(start);
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
        RECT statusBar;
        if (g_statusBar != NULL && GetWindowRect(g_statusBar, &statusBar) &&
            PtInRect(&statusBar, POINT{x, y})) {
            VARIANT id = {};
            id.vt = VT_I4;
            id.lVal = StatusBarChild();
            if (get_accChild(id, &child->pdispVal) != S_OK)
                return S_FALSE;
            child->vt = VT_DISPATCH;
            return S_OK;
        }
        // The row whose band a click there would select.
        RowIndex row = ROW_HEX;
        FindVisibleRow(BandAtY(point.y, VisibleRowCount()), &row);
        child->vt = VT_I4;
        child->lVal = VisibleRowNumber(row);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        RowIndex row;
        if (m_window != NULL && IsSelf(child))
            return m_standard->accDoDefaultAction(child);
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        SelectRow(row);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    static void VariantInitEmpty(VARIANT* variant)
    {
        memset(variant, 0, sizeof *variant);
        variant->vt = VT_EMPTY;
    }

    bool HasFocus() const { return GetFocus() == m_window; }

    // S_OK with the row of a row's child id; E_FAIL once cut loose from the
    // window; E_INVALIDARG for any other child.
    HRESULT FindRow(VARIANT child, RowIndex* row) const
    {
        if (m_window == NULL)
            return E_FAIL;
        return RowOfChild(child, row) ? S_OK : E_INVALIDARG;
    }

    // A row has no description, help, shortcut or neighbours of its own.
    HRESULT NothingForRow(VARIANT child) const
    {
        RowIndex row;
        HRESULT found = FindRow(child, &row);
        return FAILED(found) ? found : S_FALSE;
    }

    HRESULT SpeakRow(VARIANT child, bool textOnly, BSTR* text) const
    {
        RowIndex row;
        HRESULT found = FindRow(child, &row);
        if (FAILED(found))
            return found;
        char speech[ROW_SPEECH_SIZE];
        FormatRowSpeech(row, speech, sizeof speech);
        *text = MakeBstr(textOnly ? strchr(speech, ' ') + 1 : speech);
        return *text != NULL ? S_OK : E_OUTOFMEMORY;
    }

    HWND m_window;
    IAccessible* m_standard;
    LONG m_references = 1;
};

// Held by the window from the first request until it is destroyed.
RowsAccessible* g_rowsAccessible = NULL;

// Made on the process heap: a plain new would bring in the C++ exception
// support.
RowsAccessible* MakeRowsAccessible(HWND window)
{
    IAccessible* standard = NULL;
    if (FAILED(g_ole.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                (void**)&standard)))
        return NULL;
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(RowsAccessible));
    if (memory == NULL) {
        standard->Release();
        return NULL;
    }
    return new (memory) RowsAccessible(window, standard);
}

} // namespace

// The object id arrives in the low 32 bits; Wine zero-extends it, so it is
// compared as a 32-bit value.
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam)
{
    if ((DWORD)lParam != (DWORD)OBJID_CLIENT || !LoadOle())
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    if (g_rowsAccessible == NULL)
        g_rowsAccessible = MakeRowsAccessible(window);
    if (g_rowsAccessible == NULL)
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    return g_ole.lresultFromObject(__uuidof(IAccessible), wParam, g_rowsAccessible);
}

void DisconnectAccessibleRows()
{
    if (g_rowsAccessible == NULL)
        return;
    g_rowsAccessible->Disconnect();
    g_ole.coDisconnectObject(g_rowsAccessible, 0);
    g_rowsAccessible->Release();
    g_rowsAccessible = NULL;
}
