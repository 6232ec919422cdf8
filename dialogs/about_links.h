// The About box's two links: they look like web links (underlined, in a
// colour that reads as a link on the user's scheme, a hand over them),
// open their address on a click, on Enter and on Space, are reached with
// Tab, and show the keyboard focus.
#pragma once

#include <windows.h>

const char WEB_SITE_ADDRESS[] = "https://ternwick.example/";
const char CONTACT_MAIL_ADDRESS[] = "ternwick@example.org";

// Gives both links their underlined font and their own window procedure.
void SetUpLinks(HWND dialog);
// Gives each link an underlined copy of its font now.
void UnderlineLinks(HWND dialog);
// Deletes the links' fonts, once the links are gone.
void ReleaseLinkFonts();
// A click notification (code 0) from a link opens its address; a double
// click arrives with another code and opens nothing.
void OpenClickedLink(WPARAM wParam, LPARAM lParam);

// The links' text colour on the user's scheme.
COLORREF LinkColour();
// Pure blue where it reads against the background (a contrast of at least
// 4.5 to 1), else the scheme's link colour where that reads, else the
// window text colour; under high contrast always the scheme's link colour.
COLORREF ReadableLinkColour(COLORREF background, COLORREF hotLight, COLORREF text,
                            bool highContrast);
