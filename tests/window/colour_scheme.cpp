#include "colour_scheme.h"

#include <gtest/gtest.h>

#include <stdio.h>

namespace {

const int ELEMENTS[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT, COLOR_HOTLIGHT};
const int ELEMENT_COUNT = 4;

// The scheme's own colour of an element, as the prefix's registry keeps
// it; SetSysColors changes only the running session's.
COLORREF RegistryColour(const char* name, COLORREF fallback)
{
    char text[32] = "";
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", name, RRF_RT_REG_SZ, NULL, text,
                     &size) != ERROR_SUCCESS)
        return fallback;
    int red, green, blue;
    return sscanf(text, "%d %d %d", &red, &green, &blue) == 3 ? RGB(red, green, blue) : fallback;
}

// A test program that crashed under a changed scheme leaves it to the
// session's Wine server: every test program starts from the scheme's own
// colours again.
class SchemeColoursAtStart : public testing::Environment {
public:
    void SetUp() override
    {
        const COLORREF colours[] = {RegistryColour("Window", RGB(255, 255, 255)),
                                    RegistryColour("WindowText", RGB(0, 0, 0)),
                                    RegistryColour("ButtonText", RGB(0, 0, 0)),
                                    RegistryColour("HotTrackingColor", RGB(0, 0, 128))};
        SetSysColors(ELEMENT_COUNT, ELEMENTS, colours);
    }
};

testing::Environment* const SCHEME_AT_START =
    testing::AddGlobalTestEnvironment(new SchemeColoursAtStart);

} // namespace

ColourScheme::ColourScheme(std::initializer_list<SchemeColour> colours)
{
    for (int i = 0; i < ELEMENT_COUNT; i++)
        m_saved[i] = GetSysColor(ELEMENTS[i]);
    for (const SchemeColour& colour : colours)
        SetSysColors(1, &colour.element, &colour.colour);
}

ColourScheme::~ColourScheme()
{
    SetSysColors(ELEMENT_COUNT, ELEMENTS, m_saved);
}
