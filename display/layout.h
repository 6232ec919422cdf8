// The geometry of the main window: the layout's base values at 96 DPI (the
// record in display/metrics.h scales them), the sizing to the visible rows
// and the status bar, and the painting of the rows.
#pragma once

#include <windows.h>

#include "display/metrics.h"
#include "engine/calc_state.h"

const int ROW_HEIGHT = 25;
const int FIRST_ROW_Y = 7;
const int VALUE_X = 40;
const int HIGHLIGHT_BOTTOM = 17;
const int LABEL_X = 0;
// The cell of the stock fixed font; the record holds the measured one.
const int CHAR_WIDTH = 8;

// Recorded by the first sizing; every later use of the main window reads it.
extern HWND g_mainWindow;
// Width of the active row's highlight, recomputed by every sizing.
extern int g_highlightWidth;

// Records the window as the main window, recomputes the field width and
// gives the window the size of the visible rows and the status bar.
void SizeMainWindow(HWND window);
// Lays the window out for a new DPI: the row font and the record, the
// status bar's font and height, then the size at the suggested position.
void ScaleMainWindow(HWND window, int dpi, const RECT* suggested);

void PaintRows(HDC dc);

// Where a visible row's text stands and the band of client rows that a
// click, the pointer or a screen reader's location takes for it; the last
// band ends where the status bar begins. Every hit and location reads it.
RowBand BandOfRow(RowIndex row);
// The visible row whose band holds a client y: above the first band the
// first row, below the last the last.
RowIndex RowAtY(int y);
// The client y where the status bar begins; the client area's bottom
// while it is hidden.
int StatusBarTop();
