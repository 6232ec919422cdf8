// The About box's links as screen readers see them: a link named by its
// text, whose value is the address it opens and whose default action
// opens it.
#pragma once

#include <windows.h>

// Answers WM_GETOBJECT for a link: its client object for OBJID_CLIENT,
// the default processing for every other object.
LRESULT AnswerLinkObject(HWND link, WPARAM wParam, LPARAM lParam);
// Cuts the link's object loose as the link goes away.
void DisconnectLinkObject(HWND link);
