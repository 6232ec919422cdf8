// Names the bit under the mouse while it rests on a digit of the binary row.
#pragma once

#include <windows.h>

const UINT_PTR HOVER_TIMER_ID = 1;

// Set while the hover timer runs; only the timer callback clears it.
extern bool g_hoverTimerActive;

// The readout of one bit, as the status bar shows it.
void FormatBitReadout(int bit, char* buffer, size_t size);

// x and y are client coordinates of the main window.
void UpdateBitHover(int x, int y);
void ClearBitHover();
void CALLBACK HoverTimerProc(HWND window, UINT message, UINT_PTR timer, DWORD time);
