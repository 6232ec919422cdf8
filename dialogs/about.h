// The modal About box: name, picture, version and two links that look and
// act like web links.
#pragma once

#include <windows.h>

#include "dialogs/about_links.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
