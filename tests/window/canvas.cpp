#include "canvas.h"

#include "display/layout.h"

Canvas PaintIntoCanvas(int width, int height)
{
    Canvas canvas;
    HDC screen = GetDC(NULL);
    canvas.dc = CreateCompatibleDC(screen);
    canvas.bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(NULL, screen);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    RECT all = {0, 0, width, height};
    FillRect(canvas.dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    PaintRows(canvas.dc);
    return canvas;
}

void FreeCanvas(Canvas& canvas)
{
    SelectObject(canvas.dc, canvas.previous);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

bool IsInk(const Canvas& canvas, int x, int y)
{
    return GetPixel(canvas.dc, x, y) != RGB(255, 255, 255);
}
