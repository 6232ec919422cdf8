// What every client object the program gives screen readers has in common:
// reference counting, the interfaces it answers, the IDispatch stubs, the
// standard client object of its window for whatever it does not answer
// itself (each method the base answers hands the call on to it), and being
// cut loose when its window goes away.
#pragma once

#include <windows.h>
#include <new>
#include <oleacc.h>

// What a child VARIANT names. Every object tells itself, a numbered child,
// a bad VARIANT and a call after it was cut loose apart; an object with
// children of more kinds numbers its own from CHILD_OWN_KINDS on.
enum ChildKind { CHILD_SELF, CHILD_NUMBERED, CHILD_INVALID, CHILD_CUT_LOOSE, CHILD_OWN_KINDS };

class AccessibleBase : public IAccessible {
public:
    // The class answers every method, so no pure virtual call can be made
    // and the C++ runtime's handler of one stays out of the program; the
    // constructor does nothing a derived one does not overwrite, so the
    // link drops this class's own table of methods. Nothing it holds needs
    // a destructor.
    AccessibleBase(HWND window, IAccessible* standard) : m_window(window), m_standard(standard) {}

    // Objects made and not yet released by every holder.
    static LONG s_live;

    // Cut loose: every later call answers an error code.
    void Disconnect();

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
            InterlockedDecrement(&s_live);
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

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // Handed on to the standard object; E_FAIL once cut loose.
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

protected:
    static void VariantInitEmpty(VARIANT* variant);
    // Once cut loose every call fails; a child the method has no answer
    // for is an invalid argument.
    static HRESULT Refusal(ChildKind kind);
    // A new BSTR of the text, or E_OUTOFMEMORY.
    static HRESULT AnswerText(const char* text, BSTR* answer);
    // Self, a numbered child, a bad VARIANT, or any child once cut loose.
    ChildKind ClassifyChild(VARIANT child) const;

    HWND m_window;
    IAccessible* m_standard;

private:
    LONG m_references = 1;
};

typedef AccessibleBase* (*MakeAccessibleFunction)(HWND window, IAccessible* standard);

// Answers WM_GETOBJECT: for OBJID_CLIENT the object in the holder, made on
// the first request from the window's standard client object; for every
// other object, or when COM cannot be had, the default processing.
LRESULT AnswerClientObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleBase** holder,
                           MakeAccessibleFunction make);
// Cuts the held object loose and lets it go; a reader still holding it
// then gets an error code from every call.
void DisconnectClientObject(AccessibleBase** holder);

// Places an object on the process heap: a plain new would bring in the
// C++ exception support.
template <typename Object>
AccessibleBase* MakeOnHeap(HWND window, IAccessible* standard)
{
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(Object));
    if (memory == NULL)
        return NULL;
    InterlockedIncrement(&AccessibleBase::s_live);
    return new (memory) Object(window, standard);
}
