// The status bar along the bottom of the main window: the shown value read
// as a PCI configuration address, the data width, the bit readout part, and
// the open parentheses and flags of the last operation.
#pragma once

#include <windows.h>

#include <stdint.h>

const int STATUS_PART_PCI = 0;
const int STATUS_PART_WIDTH = 1;
const int STATUS_PART_BIT = 2;
// The open parentheses and the flags of the last operation: the bar's last
// part, right after the PCI readout while the binary row is hidden.
const int STATUS_PART_FLAGS = 3;

// The readout drops this many leading spaces while the hexadecimal row is
// alone: the window is narrow then.
const int LEADING_SPACES = 6;

// Set while the user wants the status bar; it starts shown.
extern bool g_statusBarVisible;
// The status bar window; NULL while it is hidden or could not be created.
extern HWND g_statusBar;
// Outer height measured at the last creation; 0 when creation failed.
extern int g_statusBarHeight;

// True while a status bar window is shown: the user wants it and it could
// be made.
bool IsStatusBarShown();
void CreateStatusBar(HWND parent, HINSTANCE instance);
// Gives the status bar the font of the current DPI and measures it again.
void ScaleStatusBar();
// Deletes the status font; called at exit.
void ReleaseStatusFont();
void ToggleStatusBar();
void UpdateStatusBarText(HWND statusBar);
void ForwardSizeToStatusBar(WPARAM wParam, LPARAM lParam);
void ForwardColourChangeToStatusBar();

// Writes a status text by a wsprintf format, cut to the buffer's size.
void FormatStatusText(char* buffer, size_t size, const char* format, ...);
// The readout of a value, with its leading spaces.
void FormatPciReadout(uint64_t value, char* buffer, size_t size);
// The statement of a data width, with its leading spaces.
void FormatDataWidthText(int32_t width, char* buffer, size_t size);
// Appends the names of the set flags (four, in the order CF OF PF SF) to
// the text in buffer, a separator before each but the text's first.
void AppendFlagNames(uint32_t flags, const char* const names[], const char* separator,
                     char* buffer);
// The open parentheses and the set flags, as "(2  CF OF SF"; empty while
// none is open and none is set.
void FormatFlagsText(int32_t openParens, uint32_t flags, char* buffer, size_t size);
bool IsHexRowAlone();
