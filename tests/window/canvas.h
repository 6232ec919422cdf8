// The rows painted by PaintRows into a white memory bitmap, for tests that
// read the painted pixels.
#pragma once

#include <windows.h>

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

Canvas PaintIntoCanvas(int width, int height);
void FreeCanvas(Canvas& canvas);
bool IsInk(const Canvas& canvas, int x, int y);
