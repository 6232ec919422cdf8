// The main window's procedure: the one entry of keyboard, mouse, menu and
// accelerator input into the calculator.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the rows and rewrites the status bar texts after an input.
void Refresh();
