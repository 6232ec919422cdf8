// The About box's links as screen readers see them: a link named by its
// text, whose value is the address it opens and whose default action
// opens it.
#pragma once

#include <windows.h>

// Posted to a link by its object for a reader's default action: the
// reader's call returns at once, and the link opens its address when the
// message arrives (the shell may show a window the reader must work).
const UINT WM_LINK_JUMP = WM_APP + 2;

// Answers WM_GETOBJECT for a link that opens the address given (exactly as
// it opens it): its client object for OBJID_CLIENT, the default processing
// for every other object.
LRESULT AnswerLinkObject(HWND link, const char* address, WPARAM wParam, LPARAM lParam);
// Cuts the link's object loose as the link goes away (WM_NCDESTROY).
void DisconnectLinkObject(HWND link);
