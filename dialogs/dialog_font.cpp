#include "dialogs/dialog_font.h"

#include <string.h>

namespace {

const WCHAR OUTLINE_DIALOG_FACE[] = L"MS Shell Dlg 2";
const int POINTS_PER_INCH = 72;
// How far a face may fall short of the size asked for.
const int HEIGHT_TOLERANCE = 1;
// The fixed parts of the two template headers, before the menu.
const size_t TEMPLATE_HEADER = 18;
const size_t EXTENDED_TEMPLATE_HEADER = 26;
const int MAX_TEMPLATE_SIZE = 4096;

// A copy of the template being made, on the heap (aligned as templates
// must be) from the first copy on, and kept for the run.
BYTE* g_templateCopy = NULL;

// Where the font's parts stand in a template, in bytes from its start.
struct FontPlace {
    size_t pointSize;
    size_t face;
    size_t faceEnd;
    size_t items;
};

size_t AlignToDword(size_t offset)
{
    return (offset + 3) & ~(size_t)3;
}

WORD WordAt(const BYTE* data, size_t offset)
{
    WORD word;
    memcpy(&word, data + offset, sizeof word);
    return word;
}

// Steps over a string of the template; false where it runs past the end.
bool SkipString(const BYTE* data, size_t size, size_t* offset)
{
    for (; *offset + sizeof(WORD) <= size; *offset += sizeof(WORD))
        if (WordAt(data, *offset) == 0) {
            *offset += sizeof(WORD);
            return true;
        }
    return false;
}

// A menu or class field: none, a number, or a name.
bool SkipNameOrNumber(const BYTE* data, size_t size, size_t* offset)
{
    if (*offset + sizeof(WORD) > size)
        return false;
    WORD first = WordAt(data, *offset);
    if (first != 0xFFFF) {
        if (first == 0) {
            *offset += sizeof(WORD);
            return true;
        }
        return SkipString(data, size, offset);
    }
    *offset += 2 * sizeof(WORD);
    return *offset <= size;
}

// The places of a template's font fields; false where it has none, or
// where any of them, or the start of its controls, lies past its end.
bool FindFontPlace(const BYTE* data, size_t size, FontPlace* place)
{
    if (size < TEMPLATE_HEADER)
        return false;
    bool extended = WordAt(data, 2) == 0xFFFF;
    size_t header = extended ? EXTENDED_TEMPLATE_HEADER : TEMPLATE_HEADER;
    DWORD style;
    memcpy(&style, data + (extended ? 12 : 0), sizeof style);
    if (size < header || (style & DS_SETFONT) == 0)
        return false;
    size_t offset = header;
    if (!SkipNameOrNumber(data, size, &offset) || !SkipNameOrNumber(data, size, &offset) ||
        !SkipString(data, size, &offset))
        return false;
    place->pointSize = offset;
    // The extended template's weight, italic flag and character set.
    offset += (extended ? 3 : 1) * sizeof(WORD);
    place->face = offset;
    if (!SkipString(data, size, &offset))
        return false;
    place->faceEnd = offset;
    place->items = AlignToDword(offset);
    return place->items <= size;
}

const BYTE* LoadTemplate(HINSTANCE instance, int templateId, DWORD* size)
{
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(templateId), (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = resource != NULL ? LoadResource(instance, resource) : NULL;
    *size = resource != NULL ? SizeofResource(instance, resource) : 0;
    const BYTE* data = loaded != NULL ? (const BYTE*)LockResource(loaded) : NULL;
    if (data == NULL)
        *size = 0;
    return data;
}

int PixelHeight(int pointSize, int dpi)
{
    return MulDiv(pointSize, dpi, POINTS_PER_INCH);
}

HFONT MakeFontOfFace(const DialogFont& font, const WCHAR* face, int dpi)
{
    LOGFONTW description = {};
    description.lfHeight = -PixelHeight(font.pointSize, dpi);
    description.lfWeight = font.weight;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&description);
}

// The character height of the face the system gives for the font.
int CharacterHeight(const DialogFont& font, const WCHAR* face, int dpi)
{
    HFONT made = MakeFontOfFace(font, face, dpi);
    HDC screen = GetDC(NULL);
    HGDIOBJ previous = SelectObject(screen, made);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(NULL, screen);
    DeleteObject(made);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

int CALLBACK NoteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found)
{
    if (type & TRUETYPE_FONTTYPE)
        *(bool*)found = true;
    return 1;
}

bool HasTrueTypeFace(const WCHAR* face)
{
    LOGFONTW description = {};
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(NULL);
    EnumFontFamiliesExW(screen, &description, NoteTrueType, (LPARAM)&found, 0);
    ReleaseDC(NULL, screen);
    return found;
}

// The fields lie within the template: FindFontPlace found them there.
void ReadFont(const BYTE* data, const FontPlace& place, DialogFont* font)
{
    bool extended = WordAt(data, 2) == 0xFFFF;
    font->pointSize = WordAt(data, place.pointSize);
    font->weight = extended ? WordAt(data, place.pointSize + 2) : FW_NORMAL;
    lstrcpynW(font->face, (const WCHAR*)(data + place.face), LF_FACESIZE);
}

// Everything before the face and everything from the controls on are
// copied as they are; the controls keep their alignment.
const DLGTEMPLATE* CopyWithFace(const BYTE* data, size_t size, const FontPlace& place,
                                const WCHAR* face)
{
    size_t faceBytes = (lstrlenW(face) + 1) * sizeof(WCHAR);
    size_t items = AlignToDword(place.face + faceBytes);
    size_t controls = size - place.items;
    if (lstrcmpW(face, (const WCHAR*)(data + place.face)) == 0 ||
        items + controls > MAX_TEMPLATE_SIZE)
        return (const DLGTEMPLATE*)data;
    if (g_templateCopy == NULL)
        g_templateCopy = (BYTE*)HeapAlloc(GetProcessHeap(), 0, MAX_TEMPLATE_SIZE);
    if (g_templateCopy == NULL)
        return (const DLGTEMPLATE*)data;
    BYTE* copy = g_templateCopy;
    memset(copy, 0, MAX_TEMPLATE_SIZE);
    memcpy(copy, data, place.face);
    memcpy(copy + place.face, face, faceBytes);
    memcpy(copy + items, data + place.items, controls);
    return (const DLGTEMPLATE*)copy;
}

} // namespace

bool ReadTemplateFont(HINSTANCE instance, int templateId, DialogFont* font)
{
    DWORD size = 0;
    const BYTE* data = LoadTemplate(instance, templateId, &size);
    FontPlace place;
    if (data == NULL || !FindFontPlace(data, size, &place))
        return false;
    ReadFont(data, place, font);
    return true;
}

void ChooseDialogFace(const DialogFont& font, int dpi, WCHAR face[LF_FACESIZE])
{
    lstrcpynW(face, font.face, LF_FACESIZE);
    int wanted = PixelHeight(font.pointSize, dpi);
    if (CharacterHeight(font, font.face, dpi) >= wanted - HEIGHT_TOLERANCE)
        return;
    if (!HasTrueTypeFace(font.face))
        lstrcpynW(face, OUTLINE_DIALOG_FACE, LF_FACESIZE);
}

// The template is parsed once: its font is read from the place found.
const DLGTEMPLATE* DialogTemplateFrom(const BYTE* data, size_t size, int dpi)
{
    FontPlace place;
    if (data == NULL || !FindFontPlace(data, size, &place))
        return (const DLGTEMPLATE*)data;
    DialogFont font;
    ReadFont(data, place, &font);
    WCHAR face[LF_FACESIZE];
    ChooseDialogFace(font, dpi, face);
    return CopyWithFace(data, size, place, face);
}

const DLGTEMPLATE* DialogTemplateAt(HINSTANCE instance, int templateId, int dpi)
{
    DWORD size = 0;
    const BYTE* data = LoadTemplate(instance, templateId, &size);
    return DialogTemplateFrom(data, size, dpi);
}

HFONT MakeDialogFont(const DialogFont& font, int dpi)
{
    WCHAR face[LF_FACESIZE];
    ChooseDialogFace(font, dpi, face);
    return MakeFontOfFace(font, face, dpi);
}
