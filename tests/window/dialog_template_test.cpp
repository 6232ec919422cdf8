// The copy of a dialog template with another face, given templates cut
// short: it never reads past their end and hands each back as it is.
#include "calculator.h"

#include <string.h>

#include "dialogs/dialog_font.h"
#include "resources/resource.h"

namespace {

const WCHAR OTHER_FACE[] = L"Tahoma";

// The Help window's template: a plain one with a font and controls.
const BYTE* HelpTemplate(DWORD* size)
{
    HRSRC resource = FindResourceA(NULL, MAKEINTRESOURCEA(IDD_HELP), (LPCSTR)RT_DIALOG);
    *size = SizeofResource(NULL, resource);
    return (const BYTE*)LockResource(LoadResource(NULL, resource));
}

// Where the face's characters start in a plain template: after the
// header, the menu and class fields, the title and the point size.
size_t FaceOffset(const BYTE* data)
{
    const WORD* field = (const WORD*)(data + 18 + 2 + 2);
    while (*field != 0)
        field++;
    return (const BYTE*)(field + 2) - data;
}

// A template without controls whose one-letter face ends two bytes short
// of a four-byte boundary, with no padding after it.
const WORD UNPADDED[] = {LOWORD(DS_SETFONT), HIWORD(DS_SETFONT), 0, 0, 0, 0, 0, 10, 10,
                         0, 0, 0, 8, L'A', 0};

typedef CalculatorTest Fit;

TEST_F(Fit, ShortTemplatesAreHandedBackAsTheyAre)
{
    DWORD size = 0;
    const BYTE* help = HelpTemplate(&size);
    ASSERT_NE(help, nullptr);
    size_t face = FaceOffset(help);
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
    DWORD page = system.dwPageSize;
    BYTE* pages = (BYTE*)VirtualAlloc(NULL, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    DWORD old;
    VirtualProtect(pages + page, page, PAGE_NOACCESS, &old);
    for (const Case& c : cases) {
        BYTE* data = pages + page - c.length;
        memcpy(data, c.data, c.length);
        EXPECT_EQ((const BYTE*)TemplateWithFace(data, c.length, OTHER_FACE), data) << c.cut;
    }
    VirtualFree(pages, 0, MEM_RELEASE);
    const BYTE* copy = (const BYTE*)TemplateWithFace(help, size, OTHER_FACE);
    ASSERT_NE(copy, help);
    EXPECT_STREQ((const WCHAR*)(copy + face), OTHER_FACE);
    EXPECT_EQ(((const DLGTEMPLATE*)copy)->cdit, ((const DLGTEMPLATE*)help)->cdit);
}

} // namespace
