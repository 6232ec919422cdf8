#include "accessibility/link_accessible.h"

#include "accessibility/accessible_base.h"

namespace {

const char LINK_ACTION[] = "Jump";
const int ADDRESS_SIZE = 128;
// The About box has two links.
const int MAX_LINK_OBJECTS = 2;

// The address a link's object was made for; empty for any other window.
const char* AddressOf(HWND link);

// A link has no children: it answers for itself from the control and the
// address it was made with, and leaves its place among the windows
// (location, parent, neighbours, hit test) to the standard client object.
class LinkAccessible final : public AccessibleBase {
public:
    LinkAccessible(HWND window, IAccessible* standard) : AccessibleBase(window, standard) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        char text[ADDRESS_SIZE] = "";
        GetWindowTextA(m_window, text, sizeof text);
        return AnswerForSelf(child, text, name);
    }

    // The address exactly as the link opens it.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return AnswerForSelf(child, AddressOf(m_window), value);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return AnswerForSelf(child, ROLE_SYSTEM_LINK, role);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        LONG focused = GetFocus() == m_window && m_window != NULL ? STATE_SYSTEM_FOCUSED : 0;
        return AnswerForSelf(child, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED | focused, state);
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return AnswerForSelf(child, LINK_ACTION, action);
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        ChildKind kind = Classify(child);
        if (kind != CHILD_SELF)
            return Refusal(kind);
        PostMessageA(m_window, WM_LINK_JUMP, 0, 0);
        return S_OK;
    }

private:
    // A text the link answers about itself, and about no child.
    HRESULT AnswerForSelf(VARIANT child, const char* text, BSTR* answer) const
    {
        *answer = NULL;
        ChildKind kind = Classify(child);
        return kind == CHILD_SELF ? AnswerText(text, answer) : Refusal(kind);
    }

    HRESULT AnswerForSelf(VARIANT child, LONG number, VARIANT* answer) const
    {
        VariantInitEmpty(answer);
        ChildKind kind = Classify(child);
        if (kind != CHILD_SELF)
            return Refusal(kind);
        answer->vt = VT_I4;
        answer->lVal = number;
        return S_OK;
    }

    // A link has no numbered children.
    ChildKind Classify(VARIANT child) const
    {
        ChildKind kind = ClassifyChild(child);
        return kind == CHILD_NUMBERED ? CHILD_INVALID : kind;
    }
};

// Each link holds its object from the first request until it is
// destroyed.
struct LinkObject {
    HWND link;
    AccessibleBase* object;
    char address[ADDRESS_SIZE];
};
LinkObject g_linkObjects[MAX_LINK_OBJECTS];

const char* AddressOf(HWND link)
{
    for (const LinkObject& slot : g_linkObjects)
        if (slot.link == link && link != NULL)
            return slot.address;
    return "";
}

// The slot of a link, or a free one for a link that has none yet. A slot
// whose link is gone without being cut loose is freed for it.
LinkObject* SlotOf(HWND link)
{
    for (LinkObject& slot : g_linkObjects)
        if (slot.link == link)
            return &slot;
    for (LinkObject& slot : g_linkObjects)
        if (slot.object == NULL || !IsWindow(slot.link)) {
            DisconnectClientObject(&slot.object);
            return &slot;
        }
    return NULL;
}

} // namespace

LRESULT AnswerLinkObject(HWND link, const char* address, WPARAM wParam, LPARAM lParam)
{
    LinkObject* slot = SlotOf(link);
    if (slot == NULL)
        return DefWindowProcA(link, WM_GETOBJECT, wParam, lParam);
    slot->link = link;
    lstrcpynA(slot->address, address, sizeof slot->address);
    return AnswerClientObject(link, wParam, lParam, &slot->object, MakeOnHeap<LinkAccessible>);
}

void DisconnectLinkObject(HWND link)
{
    for (LinkObject& slot : g_linkObjects)
        if (slot.link == link) {
            DisconnectClientObject(&slot.object);
            slot.link = NULL;
        }
}
