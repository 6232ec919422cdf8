// The system colours of the window and its text, as a test sets them.
#pragma once

#include <windows.h>

// Gives the window and its text the colours for its lifetime (a white on
// black scheme, say), or one element its colour, and puts the colours
// before it back at its end.
class ColourScheme {
public:
    ColourScheme(COLORREF window, COLORREF text);
    ColourScheme(int element, COLORREF colour);
    ~ColourScheme();

private:
    int m_count;
    int m_elements[2];
    COLORREF m_saved[2];
};
