// How wide the status bar's parts must be: the widest text each part can
// show, in the bar's own font, with the room the control keeps around a
// part's text, measured on the running system.
#pragma once

#include <windows.h>

#include <stdint.h>

// The width of a text, drawn on a device context the caller knows.
typedef int (*TextWidthFunction)(const char* text, const void* dc);

// Widens the part edges where the widest texts need it and records the
// client width the bar's texts need.
void FitStatusPartsToTexts(HWND statusBar);
// The client width the main window needs for the texts the bar shows now:
// the end of its last part's widest text, 0 while no bar is shown.
int StatusTextsWidth();
// The right edges of the parts the bar shows for the visible rows: all of
// them with the binary row, else the readout and the flags part after it.
// An empty flags part has no width, so it draws no border in any style the
// system draws parts in; the window keeps its room all the same. Gives the
// number of parts.
int StatusPartEdges(int edges[], bool flagsShown);
// The value whose PCI readout is widest: every field takes the value whose
// digits are widest.
uint64_t WidestPciValue(TextWidthFunction textWidth, const void* dc);
