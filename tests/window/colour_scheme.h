// The system colours of the window and its text, as a test sets them.
#pragma once

#include <windows.h>

// Gives the window and its text the colours for its lifetime (a white on
// black scheme, say), or one element (the window, its text, or the button
// text) its colour, and puts the colours before it back at its end.
class ColourScheme {
public:
    ColourScheme(COLORREF window, COLORREF text);
    ColourScheme(int element, COLORREF colour);
    ~ColourScheme();

private:
    COLORREF m_saved[3];
};
