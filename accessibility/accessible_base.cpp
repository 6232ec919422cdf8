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
