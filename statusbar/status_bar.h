// The status bar along the bottom of the main window: the shown value read
// as a PCI configuration address, the data width, the bit readout part, and
// the open parentheses and flags of the last operation.
#pragma once

#include <windows.h>

#include "statusbar/status_texts.h"

// Set while the user wants the status bar; it starts shown.
extern bool g_statusBarVisible;
// The status bar window; NULL while it is hidden or could not be created.
extern HWND g_statusBar;
// Outer height measured at the last creation; 0 when creation failed.
extern int g_statusBarHeight;

// True while a status bar window is shown: the user wants it and it could
// be made.
bool IsStatusBarShown();
// Makes the bar, with its object for readers, in the font of the DPI.
void CreateStatusBar(HWND parent, HINSTANCE instance);
// Gives the status bar the font of the current DPI and measures it again.
void ScaleStatusBar();
// Deletes the status font; called at exit.
void ReleaseStatusFont();
void ToggleStatusBar();
// Whether the bar is wanted at start, before the window exists.
void WantStatusBar(bool shown);
void UpdateStatusBarText(HWND statusBar);
void ForwardSizeToStatusBar(WPARAM wParam, LPARAM lParam);
void ForwardColourChangeToStatusBar();

bool IsHexRowAlone();
