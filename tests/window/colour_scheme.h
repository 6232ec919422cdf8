// The system colours of the window, its text and the like, as a test sets
// them.
#pragma once

#include <windows.h>

#include <initializer_list>

// A display element and the colour a test gives it.
struct SchemeColour {
    int element;
    COLORREF colour;
};

// Gives each element named (COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT
// or COLOR_HOTLIGHT) its colour for the scheme's lifetime, and puts the
// colours before it back at its end.
class ColourScheme {
public:
    ColourScheme(std::initializer_list<SchemeColour> colours);
    ~ColourScheme();

private:
    COLORREF m_saved[4];
};
