#include "accessibility/status_accessible.h"

#include <commctrl.h>
#include <string.h>

#include "accessibility/accessible_base.h"
#include "engine/calc_state.h"
#include "statusbar/status_texts.h"

namespace {

const int MAX_STATUS_PARTS = 8;
const int STATUS_TEXT_SIZE = 128;

// A status bar answers its role and its name itself, and leaves the rest
// (its parts, its place among the windows, the answers once cut loose) to
// the shared base and the standard client object.
class StatusBarAccessible final : public AccessibleBase {
public:
    StatusBarAccessible(HWND window, IAccessible* standard) : AccessibleBase(window, standard) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (ClassifyChild(child) != CHILD_SELF)
            return AccessibleBase::get_accName(child, name);
        char speech[STATUS_SPEECH_SIZE];
        FormatStatusBarSpeech(m_window, speech, sizeof speech);
        return AnswerText(speech, name);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (ClassifyChild(child) != CHILD_SELF)
            return AccessibleBase::get_accRole(child, role);
        VariantInitEmpty(role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_STATUSBAR;
        return S_OK;
    }
};

// The status bar holds its object from the first request until it is
// destroyed; the bar is made anew each time it is shown.
AccessibleBase* g_statusObject = NULL;
WNDPROC g_statusBarProc = NULL;

LRESULT CALLBACK StatusBarReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT)
        return AnswerClientObject(window, wParam, lParam, &g_statusObject,
                                  MakeOnHeap<StatusBarAccessible>);
    if (message == WM_NCDESTROY)
        DisconnectClientObject(&g_statusObject);
    return CallWindowProcA(g_statusBarProc, window, message, wParam, lParam);
}

// Appends a part's text without its leading and trailing spaces and with
// each run of spaces made one, after ", " where the buffer holds a text
// already; a text of spaces alone appends nothing.
void AppendPart(const char* text, char* buffer, size_t size, size_t* length)
{
    const char* pending = *length > 0 ? ", " : "";
    bool started = false;
    for (; *text != 0; text++) {
        if (*text == ' ') {
            pending = started ? " " : pending;
            continue;
        }
        for (; *pending != 0 && *length + 2 < size; pending++)
            buffer[(*length)++] = *pending;
        if (*length + 1 < size)
            buffer[(*length)++] = *text;
        started = true;
        pending = "";
    }
    buffer[*length] = 0;
}

} // namespace

void ExposeStatusBarToReaders(HWND statusBar)
{
    if (statusBar == NULL)
        return;
    g_statusBarProc =
        (WNDPROC)SetWindowLongPtrA(statusBar, GWLP_WNDPROC, (LONG_PTR)StatusBarReaderProc);
}

// The bar's last part shows the open parentheses and the flags in short;
// a reader hears them in words ("2 open parentheses; carry, sign"). The
// bit readout follows the mouse with no event a reader would hear, so a
// name that held it would go stale: it is left out.
void FormatStatusBarSpeech(HWND statusBar, char* buffer, size_t size)
{
    size_t length = 0;
    buffer[0] = 0;
    int parts = (int)SendMessageA(statusBar, SB_GETPARTS, 0, 0);
    for (int part = 0; part < parts - 1 && part < MAX_STATUS_PARTS; part++) {
        if (part == STATUS_PART_BIT)
            continue;
        char text[STATUS_TEXT_SIZE] = "";
        if (LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0)) < sizeof text)
            SendMessageA(statusBar, SB_GETTEXTA, part, (LPARAM)text);
        AppendPart(text, buffer, size, &length);
    }
    char words[STATUS_TEXT_SIZE];
    FormatFlagsInWords(g_calc.openParens, g_calc.flags, words, sizeof words);
    AppendPart(words, buffer, size, &length);
}
