// A dialog's font at its DPI: the template's face at the template's point
// size, where the system has that face at that size; else an outline face
// that has it (a raster face stops growing at its largest size). The
// dialog manager lays a dialog out in units of its font, so the face is
// chosen before the dialog is made, in a copy of its template.
#pragma once

#include <windows.h>

// The template's font: its point size, weight and face.
struct DialogFont {
    int pointSize;
    int weight;
    WCHAR face[LF_FACESIZE];
};

// The font a template asks for; false where it names none.
bool ReadTemplateFont(HINSTANCE instance, int templateId, DialogFont* font);
// The face the dialog takes at the DPI: the template's, or an outline face
// where the template's falls short of the size by more than a pixel.
void ChooseDialogFace(const DialogFont& font, int dpi, WCHAR face[LF_FACESIZE]);
// The template to make the dialog from at the DPI: the resource itself, or
// a copy of it with the chosen face. The copy is good until the next call.
const DLGTEMPLATE* DialogTemplateAt(HINSTANCE instance, int templateId, int dpi);
// The same for a template in data (size bytes): the template itself where
// the face stays, or where it has no font or ends before its fields do.
const DLGTEMPLATE* DialogTemplateFrom(const BYTE* data, size_t size, int dpi);
// A font of the chosen face at the template's size at the DPI; the caller
// deletes it.
HFONT MakeDialogFont(const DialogFont& font, int dpi);
