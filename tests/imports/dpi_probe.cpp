// A program that imports a function newer than Windows 7 directly, as the
// import check must refuse.
#define _WIN32_WINNT 0x0A00
#include <windows.h>

int main()
{
    return (int)GetDpiForWindow(GetDesktopWindow()) == 0;
}
