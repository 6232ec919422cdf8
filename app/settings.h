// The settings a user can keep between runs, on request: which rows show,
// the active row, the status bar, the data width, the unsigned Dec row, the
// shift mode and the window's place. Until "Save Settings on Exit" is
// turned on nothing is written, and a start only finds the key absent.
#pragma once

#include <windows.h>

// Set while "Save Settings on Exit" is checked.
extern bool g_saveSettings;
// The window's top-left corner when it is last restored, in physical
// screen pixels; before the window exists, where it is to open.
extern POINT g_windowPlace;

// Applies the kept settings where the user asked to keep them, before the
// main window is made: each value that can be trusted, the others keep
// their built-in settings.
void LoadSettings();
// Records the window's restored place, even while it is maximised or
// minimised.
void RecordWindowPlace(HWND window);
// Writes every setting while the item is checked; at the end of a run.
void SaveSettings();
// Turning the item on writes it at once; turning it off deletes the key,
// so the next start is a first start again. A key that cannot be written
// changes nothing, and the mark still shows the user's choice.
void ToggleSaveSettings();
