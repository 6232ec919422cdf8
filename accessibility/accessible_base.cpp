#include "accessibility/accessible_base.h"

#include <string.h>

#include "accessibility/ole_runtime.h"

LONG AccessibleBase::s_live = 0;

void AccessibleBase::Disconnect()
{
    m_window = NULL;
    if (m_standard != NULL)
        m_standard->Release();
    m_standard = NULL;
}

void AccessibleBase::VariantInitEmpty(VARIANT* variant)
{
    memset(variant, 0, sizeof *variant);
    variant->vt = VT_EMPTY;
}

HRESULT AccessibleBase::Refusal(ChildKind kind)
{
    return kind == CHILD_CUT_LOOSE ? E_FAIL : E_INVALIDARG;
}

HRESULT AccessibleBase::AnswerText(const char* text, BSTR* answer)
{
    *answer = MakeBstr(text);
    return *answer != NULL ? S_OK : E_OUTOFMEMORY;
}

ChildKind AccessibleBase::ClassifyChild(VARIANT child) const
{
    if (m_window == NULL)
        return CHILD_CUT_LOOSE;
    if (child.vt != VT_I4)
        return CHILD_INVALID;
    return child.lVal == CHILDID_SELF ? CHILD_SELF : CHILD_NUMBERED;
}

HRESULT AccessibleBase::get_accChildCount(LONG* count)
{
    *count = 0;
    return m_window == NULL ? E_FAIL : m_standard->get_accChildCount(count);
}

HRESULT AccessibleBase::get_accChild(VARIANT child, IDispatch** object)
{
    *object = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accChild(child, object);
}

HRESULT AccessibleBase::get_accName(VARIANT child, BSTR* name)
{
    *name = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accName(child, name);
}

HRESULT AccessibleBase::get_accValue(VARIANT child, BSTR* value)
{
    *value = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accValue(child, value);
}

HRESULT AccessibleBase::get_accDescription(VARIANT child, BSTR* description)
{
    *description = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accDescription(child, description);
}

HRESULT AccessibleBase::get_accRole(VARIANT child, VARIANT* role)
{
    VariantInitEmpty(role);
    return m_window == NULL ? E_FAIL : m_standard->get_accRole(child, role);
}

HRESULT AccessibleBase::get_accState(VARIANT child, VARIANT* state)
{
    VariantInitEmpty(state);
    return m_window == NULL ? E_FAIL : m_standard->get_accState(child, state);
}

HRESULT AccessibleBase::get_accHelp(VARIANT child, BSTR* help)
{
    *help = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accHelp(child, help);
}

HRESULT AccessibleBase::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic)
{
    *file = NULL;
    *topic = 0;
    return m_window == NULL ? E_FAIL : m_standard->get_accHelpTopic(file, child, topic);
}

HRESULT AccessibleBase::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    *shortcut = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accKeyboardShortcut(child, shortcut);
}

HRESULT AccessibleBase::get_accFocus(VARIANT* focus)
{
    VariantInitEmpty(focus);
    return m_window == NULL ? E_FAIL : m_standard->get_accFocus(focus);
}

HRESULT AccessibleBase::get_accSelection(VARIANT* selection)
{
    VariantInitEmpty(selection);
    return m_window == NULL ? E_FAIL : m_standard->get_accSelection(selection);
}

HRESULT AccessibleBase::get_accDefaultAction(VARIANT child, BSTR* action)
{
    *action = NULL;
    return m_window == NULL ? E_FAIL : m_standard->get_accDefaultAction(child, action);
}

HRESULT AccessibleBase::accSelect(LONG flags, VARIANT child)
{
    return m_window == NULL ? E_FAIL : m_standard->accSelect(flags, child);
}

HRESULT AccessibleBase::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                    VARIANT child)
{
    *left = *top = *width = *height = 0;
    return m_window == NULL ? E_FAIL : m_standard->accLocation(left, top, width, height, child);
}

HRESULT AccessibleBase::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    VariantInitEmpty(end);
    return m_window == NULL ? E_FAIL : m_standard->accNavigate(direction, start, end);
}

HRESULT AccessibleBase::accHitTest(LONG x, LONG y, VARIANT* child)
{
    VariantInitEmpty(child);
    return m_window == NULL ? E_FAIL : m_standard->accHitTest(x, y, child);
}

HRESULT AccessibleBase::accDoDefaultAction(VARIANT child)
{
    return m_window == NULL ? E_FAIL : m_standard->accDoDefaultAction(child);
}

// The object id arrives in the low 32 bits; Wine zero-extends it, so it is
// compared as a 32-bit value.
LRESULT AnswerClientObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleBase** holder,
                           MakeAccessibleFunction make)
{
    if ((DWORD)lParam != (DWORD)OBJID_CLIENT || !LoadOle())
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    if (*holder == NULL) {
        IAccessible* standard = NULL;
        if (SUCCEEDED(g_ole.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                       (void**)&standard))) {
            *holder = make(window, standard);
            if (*holder == NULL)
                standard->Release();
        }
    }
    if (*holder == NULL)
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    return g_ole.lresultFromObject(__uuidof(IAccessible), wParam, *holder);
}

void DisconnectClientObject(AccessibleBase** holder)
{
    if (*holder == NULL)
        return;
    (*holder)->Disconnect();
    g_ole.coDisconnectObject(*holder, 0);
    (*holder)->Release();
    *holder = NULL;
}
