// What a screen reader in another process learns from a running Ternwick,
// through Active Accessibility:
//   a11y_reader rows        a line for each row: its name, then the states
//                           "selected" and "focused" it has
//   a11y_reader watch MS    hooks name changes out of context, says
//                           "ready", and after MS milliseconds prints
//                           "event ID NAME" for the last change of each row,
//                           its name read as the hook's reader would
//   a11y_reader status      the name of the status bar
#include <windows.h>
#include <oleacc.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

const int MAX_CHILDREN = 8;
HWND g_lastEventWindow[MAX_CHILDREN];

VARIANT Child(LONG id)
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

void PrintName(IAccessible* object, VARIANT child)
{
    BSTR name = NULL;
    object->get_accName(child, &name);
    printf("%ls", name != NULL ? name : L"");
    SysFreeString(name);
}

IAccessible* ClientObject()
{
    HWND window = FindWindowA("KESTRO", NULL);
    IAccessible* client = NULL;
    if (window != NULL)
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&client);
    return client;
}

int PrintRows()
{
    IAccessible* client = ClientObject();
    if (client == NULL)
        return 1;
    LONG count = 0;
    client->get_accChildCount(&count);
    for (LONG id = 1; id <= count; id++) {
        VARIANT role = {};
        client->get_accRole(Child(id), &role);
        if (role.vt != VT_I4 || role.lVal != ROLE_SYSTEM_LISTITEM)
            continue;
        VARIANT state = {};
        client->get_accState(Child(id), &state);
        PrintName(client, Child(id));
        printf("|%s%s\n", state.lVal & STATE_SYSTEM_SELECTED ? "selected" : "",
               state.lVal & STATE_SYSTEM_FOCUSED ? ",focused" : "");
    }
    client->Release();
    return 0;
}

// The status bar's own object, as a reader reaches it from the bar's window.
int PrintStatusBar()
{
    HWND bar = FindWindowExA(FindWindowA("KESTRO", NULL), NULL, "msctls_statusbar32", NULL);
    IAccessible* statusBar = NULL;
    if (bar == NULL ||
        AccessibleObjectFromWindow(bar, OBJID_CLIENT, __uuidof(IAccessible), (void**)&statusBar))
        return 1;
    PrintName(statusBar, Child(CHILDID_SELF));
    printf("\n");
    statusBar->Release();
    return 0;
}

void CALLBACK RecordNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child,
                                DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child > 0 && child < MAX_CHILDREN)
        g_lastEventWindow[child] = window;
}

int WatchNames(DWORD milliseconds)
{
    HWND window = FindWindowA("KESTRO", NULL);
    DWORD process = 0;
    if (window == NULL || GetWindowThreadProcessId(window, &process) == 0)
        return 1;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, NULL,
                                         RecordNameChange, process, 0, WINEVENT_OUTOFCONTEXT);
    printf("ready\n");
    fflush(stdout);
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    UnhookWinEvent(hook);
    for (LONG id = 1; id < MAX_CHILDREN; id++) {
        IAccessible* object = NULL;
        VARIANT child = {};
        if (g_lastEventWindow[id] == NULL ||
            AccessibleObjectFromEvent(g_lastEventWindow[id], OBJID_CLIENT, id, &object, &child) != S_OK)
            continue;
        printf("event %ld ", id);
        PrintName(object, child);
        printf("\n");
        object->Release();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    int result = 2;
    if (argc == 2 && strcmp(argv[1], "rows") == 0)
        result = PrintRows();
    else if (argc == 2 && strcmp(argv[1], "status") == 0)
        result = PrintStatusBar();
    else if (argc == 3 && strcmp(argv[1], "watch") == 0)
        result = WatchNames((DWORD)atoi(argv[2]));
    CoUninitialize();
    return result;
}
