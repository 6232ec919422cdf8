#include "accessibility/status_accessible.h"

#include <commctrl.h>
#include <string.h>

#include "accessibility/accessible_base.h"
#include "engine/calc_state.h"
#include "statusbar/status_bar.h"

namespace {

const int MAX_STATUS_PARTS = 8;
const int STATUS_TEXT_SIZE = 128;

// A status bar answers its role and its name itself, and leaves the rest
// (its parts, its place among the windows) to the standard client object.
class StatusBarAccessible final : public AccessibleBase {
public:
    StatusBarAccessible(HWND window, IAccessible* standard) : AccessibleBase(window, standard) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        *name = NULL;
        ChildKind kind = ClassifyChild(child);
        if (kind != CHILD_SELF)
            return kind == CHILD_NUMBERED ? m_standard->get_accName(child, name) : Refusal(kind);
        char speech[STATUS_SPEECH_SIZE];
        FormatStatusBarSpeech(m_window, speech, sizeof speech);
        return AnswerText(speech, name);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        VariantInitEmpty(role);
        ChildKind kind = ClassifyChild(child);
        if (kind != CHILD_SELF)
            return kind == CHILD_NUMBERED ? m_standard->get_accRole(child, role) : Refusal(kind);
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

// Appends a text without its leading and trailing spaces and with each run
// of spaces made one.
void AppendCollapsed(const char* text, char* buffer, size_t size, size_t* length)
{
    size_t start = *length;
    bool space = false;
    for (; *text != 0 && *length + 1 < size; text++) {
        if (*text == ' ') {
            space = *length > start;
            continue;
        }
        if (space && *length + 2 < size)
            buffer[(*length)++] = ' ';
        space = false;
        buffer[(*length)++] = *text;
    }
    buffer[*length] = 0;
}

// Appends a part's text after ", " where it has any.
void AppendPart(const char* text, char* buffer, size_t size, size_t* length)
{
    size_t before = *length;
    if (*length > 0 && *length + 2 < size) {
        lstrcpyA(buffer + *length, ", ");
        *length += 2;
    }
    size_t separated = *length;
    AppendCollapsed(text, buffer, size, length);
    if (*length == separated)
        buffer[*length = before] = 0;
}

void FormatFlagsInWords(char* buffer, size_t size)
{
    const uint32_t FLAGS[] = {FLAG_CF, FLAG_OF, FLAG_PF, FLAG_SF};
    const char* const WORDS[] = {"carry", "overflow", "parity", "sign"};
    char names[40] = "";
    for (int i = 0; i < 4; i++)
        if (g_calc.flags & FLAGS[i]) {
            if (names[0] != 0)
                lstrcatA(names, ", ");
            lstrcatA(names, WORDS[i]);
        }
    int open = g_calc.openParens;
    if (open == 0)
        lstrcpynA(buffer, names, (int)size);
    else
        FormatStatusText(buffer, size, names[0] != 0 ? "%d open %s; %s" : "%d open %s", open,
                   open == 1 ? "parenthesis" : "parentheses", names);
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
// a reader hears them in words ("2 open parentheses; carry, sign").
void FormatStatusBarSpeech(HWND statusBar, char* buffer, size_t size)
{
    size_t length = 0;
    buffer[0] = 0;
    int parts = (int)SendMessageA(statusBar, SB_GETPARTS, 0, 0);
    for (int part = 0; part < parts - 1 && part < MAX_STATUS_PARTS; part++) {
        char text[STATUS_TEXT_SIZE] = "";
        if (LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0)) < sizeof text)
            SendMessageA(statusBar, SB_GETTEXTA, part, (LPARAM)text);
        AppendPart(text, buffer, size, &length);
    }
    char words[STATUS_TEXT_SIZE];
    FormatFlagsInWords(words, sizeof words);
    AppendPart(words, buffer, size, &length);
}
