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

const WORD* SkipString(const WORD* text)
{
    while (*text != 0)
        text++;
    return text + 1;
}

// A menu or class field: none, a number, or a name.
const WORD* SkipNameOrNumber(const WORD* field)
{
    if (*field == 0)
        return field + 1;
    return *field == 0xFFFF ? field + 2 : SkipString(field);
}

size_t AlignToDword(size_t offset)
{
    return (offset + 3) & ~(size_t)3;
}

// The places of a template's font fields; false where it has none.
bool FindFontPlace(const BYTE* data, FontPlace* place)
{
    const WORD* words = (const WORD*)data;
    bool extended = words[1] == 0xFFFF;
    DWORD style = extended ? ((const DWORD*)data)[3] : ((const DWORD*)data)[0];
    if ((style & DS_SETFONT) == 0)
        return false;
    const WORD* field = (const WORD*)(data + (extended ? EXTENDED_TEMPLATE_HEADER : TEMPLATE_HEADER));
    field = SkipString(SkipNameOrNumber(SkipNameOrNumber(field)));
    place->pointSize = (const BYTE*)field - data;
    // The extended template's weight, italic flag and character set.
    field += extended ? 3 : 1;
    place->face = (const BYTE*)field - data;
    place->faceEnd = (const BYTE*)SkipString(field) - data;
    place->items = AlignToDword(place->faceEnd);
    return true;
}

const BYTE* LoadTemplate(HINSTANCE instance, int templateId, DWORD* size)
{
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(templateId), (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = resource != NULL ? LoadResource(instance, resource) : NULL;
    *size = resource != NULL ? SizeofResource(instance, resource) : 0;
    return loaded != NULL ? (const BYTE*)LockResource(loaded) : NULL;
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

void ReadFont(const BYTE* data, const FontPlace& place, DialogFont* font)
{
    bool extended = ((const WORD*)data)[1] == 0xFFFF;
    font->pointSize = *(const WORD*)(data + place.pointSize);
    font->weight = extended ? *(const WORD*)(data + place.pointSize + 2) : FW_NORMAL;
    lstrcpynW(font->face, (const WCHAR*)(data + place.face), LF_FACESIZE);
}

} // namespace

bool ReadTemplateFont(HINSTANCE instance, int templateId, DialogFont* font)
{
    DWORD size = 0;
    const BYTE* data = LoadTemplate(instance, templateId, &size);
    FontPlace place;
    if (data == NULL || !FindFontPlace(data, &place) || place.faceEnd > size)
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

// Everything before the face and everything from the controls on are
// copied as they are; the controls keep their alignment.
const DLGTEMPLATE* DialogTemplateAt(HINSTANCE instance, int templateId, int dpi)
{
    DWORD size = 0;
    const BYTE* data = LoadTemplate(instance, templateId, &size);
    DialogFont font;
    FontPlace place;
    if (data == NULL || !FindFontPlace(data, &place) || place.faceEnd > size)
        return (const DLGTEMPLATE*)data;
    ReadFont(data, place, &font);
    WCHAR face[LF_FACESIZE];
    ChooseDialogFace(font, dpi, face);
    size_t faceBytes = (lstrlenW(face) + 1) * sizeof(WCHAR);
    size_t items = AlignToDword(place.face + faceBytes);
    if (lstrcmpW(face, font.face) == 0 || items + (size - place.items) > MAX_TEMPLATE_SIZE)
        return (const DLGTEMPLATE*)data;
    if (g_templateCopy == NULL)
        g_templateCopy = (BYTE*)HeapAlloc(GetProcessHeap(), 0, MAX_TEMPLATE_SIZE);
    if (g_templateCopy == NULL)
        return (const DLGTEMPLATE*)data;
    BYTE* copy = g_templateCopy;
    memset(copy, 0, MAX_TEMPLATE_SIZE);
    memcpy(copy, data, place.face);
    memcpy(copy + place.face, face, faceBytes);
    memcpy(copy + items, data + place.items, size - place.items);
    return (const DLGTEMPLATE*)copy;
}

HFONT MakeDialogFont(const DialogFont& font, int dpi)
{
    WCHAR face[LF_FACESIZE];
    ChooseDialogFace(font, dpi, face);
    return MakeFontOfFace(font, face, dpi);
}
