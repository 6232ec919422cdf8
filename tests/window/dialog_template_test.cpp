// A dialog template cut short, at a scale where its face changes: it is
// never read past its end and is handed back as it is.
#include "calculator.h"

#include <string.h>

#include "dialogs/dialog_font.h"
#include "display/metrics.h"
#include "resources/resource.h"

namespace {

// A template without controls whose face ends two bytes short of a
// four-byte boundary, with no padding after it.
const WORD UNPADDED[] = {LOWORD(DS_SETFONT), HIWORD(DS_SETFONT), 0, 0, 0, 0, 0, 10, 10, 0, 0, 0,
                         8, 'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f', 0};

typedef CalculatorTest Fit;

TEST_F(Fit, ShortTemplatesAreHandedBackAsTheyAre)
{
    HRSRC resource = FindResourceA(NULL, MAKEINTRESOURCEA(IDD_HELP), (LPCSTR)RT_DIALOG);
    const BYTE* help = (const BYTE*)LockResource(LoadResource(NULL, resource));
    ASSERT_NE(help, nullptr);
    // The face follows the header, the menu and class fields, the title
    // "Ternwick - Help" and the point size.
    const size_t face = 18 + 2 + 2 + 16 * 2 + 2;
    struct Case { const char* cut; const BYTE* data; size_t length; };
    const Case cases[] = {
        {"inside the header", help, 10},
        {"inside the title", help, 26},
        {"inside the face", help, face + 4},
        {"without controls or padding", (const BYTE*)UNPADDED, sizeof UNPADDED},
    };
    // Each template ends where an unreadable page begins.
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    DWORD page = system.dwPageSize, old;
    BYTE* pages = (BYTE*)VirtualAlloc(NULL, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    VirtualProtect(pages + page, page, PAGE_NOACCESS, &old);
    for (const Case& c : cases) {
        BYTE* data = pages + page - c.length;
        memcpy(data, c.data, c.length);
        EXPECT_EQ((const BYTE*)DialogTemplateFrom(data, c.length, 2 * BASE_DPI), data) << c.cut;
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}

} // namespace
