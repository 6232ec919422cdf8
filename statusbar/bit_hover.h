// Names the bit under the mouse while it rests on the binary row, or the bit
// cursor's bit while it shows and the mouse is elsewhere.
#pragma once

#include <windows.h>

const UINT_PTR HOVER_TIMER_ID = 1;

// Set while the hover timer runs; only the timer callback clears it.
extern bool g_hoverTimerActive;
// Where the mouse was last seen in the client area; written only here.
extern POINT g_hoverPoint;

// x and y are client coordinates of the main window.
void UpdateBitHover(int x, int y);
// Reads the bit under the last mouse position again, as after a change of
// the rows' layout.
void RereadBitHover();
void ClearBitHover();
void CALLBACK HoverTimerProc(HWND window, UINT message, UINT_PTR timer, DWORD time);
