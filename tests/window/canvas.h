// Memory bitmaps for tests that read painted pixels: the rows painted by
// PaintRows, a window printed with WM_PRINTCLIENT, or copied from the
// screen. A canvas starts
// erased in the window colour, as the main window's class erases it; ink
// is any pixel of another colour.
#pragma once

#include <windows.h>

#include <vector>

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

Canvas NewCanvas(int width, int height);
Canvas PaintIntoCanvas(int width, int height);
Canvas PrintIntoCanvas(HWND window, int width, int height);
// What the screen shows of a window's client area once its pending paints
// are done, row by row: stale pixels that a printed copy would draw afresh
// stay.
std::vector<COLORREF> ScreenPixels(HWND window);
void FreeCanvas(Canvas& canvas);
bool IsInk(const Canvas& canvas, int x, int y);
// Every pixel, row by row from the top.
std::vector<COLORREF> ReadPixels(const Canvas& canvas, int width, int height);
