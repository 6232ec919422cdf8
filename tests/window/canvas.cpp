#include "canvas.h"

#include "display/layout.h"

Canvas NewCanvas(int width, int height)
{
    Canvas canvas;
    HDC screen = GetDC(NULL);
    canvas.dc = CreateCompatibleDC(screen);
    canvas.bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(NULL, screen);
    canvas.previous = SelectObject(canvas.dc, canvas.bitmap);
    RECT all = {0, 0, width, height};
    FillRect(canvas.dc, &all, GetSysColorBrush(COLOR_WINDOW));
    return canvas;
}

Canvas PaintIntoCanvas(int width, int height)
{
    Canvas canvas = NewCanvas(width, height);
    PaintRows(canvas.dc);
    return canvas;
}

Canvas PrintIntoCanvas(HWND window, int width, int height)
{
    Canvas canvas = NewCanvas(width, height);
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)canvas.dc, PRF_CLIENT | PRF_ERASEBKGND);
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
    return GetPixel(canvas.dc, x, y) != GetSysColor(COLOR_WINDOW);
}

std::vector<COLORREF> ReadPixels(const Canvas& canvas, int width, int height)
{
    std::vector<COLORREF> pixels((size_t)width * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SelectObject(canvas.dc, canvas.previous);
    GetDIBits(canvas.dc, canvas.bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    SelectObject(canvas.dc, canvas.bitmap);
    // The bitmap holds blue in the low byte, a COLORREF red.
    for (COLORREF& pixel : pixels)
        pixel = RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel));
    return pixels;
}

std::vector<COLORREF> ScreenPixels(HWND window)
{
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas = NewCanvas(client.right, client.bottom);
    HDC screen = GetDC(window);
    BitBlt(canvas.dc, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    std::vector<COLORREF> pixels = ReadPixels(canvas, client.right, client.bottom);
    FreeCanvas(canvas);
    return pixels;
}
