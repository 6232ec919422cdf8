// The status bar as screen readers see it: an object named with the texts
// its parts show, so a reader hears the PCI readout and the data width
// (the control's own object has no name under every system).
#pragma once

#include <windows.h>

#include <stddef.h>

const int STATUS_SPEECH_SIZE = 160;

// Gives the status bar window the program's object for readers; the
// object is cut loose when the window goes away.
void ExposeStatusBarToReaders(HWND statusBar);
// What the status bar says: the texts of its parts but the bit readout,
// each without its runs of spaces, the empty ones left out, joined by ", ".
void FormatStatusBarSpeech(HWND statusBar, char* buffer, size_t size);
