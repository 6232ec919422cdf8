// The modeless Help and History windows that stand beside the calculator.
#pragma once

#include <windows.h>

// The open windows, NULL while closed. The message loop offers them every
// message first.
extern HWND g_helpWindow;
extern HWND g_historyWindow;

void ShowHelpWindow(HINSTANCE instance);
void ShowHistoryWindow(HINSTANCE instance);
INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
