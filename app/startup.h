// Start-up of the process: the window class, the main window and the
// message loop.
#pragma once

#include <windows.h>

const int CLASS_NAME_SIZE = 100;

// Recorded by CreateMainWindow before the window exists.
extern HINSTANCE g_instance;
// The class name, loaded from the string table.
extern char g_className[CLASS_NAME_SIZE];

void LoadClassName(HINSTANCE instance);
void RegisterMainWindowClass(HINSTANCE instance);
// Returns 1 when the main window exists and has been shown, else 0.
int CreateMainWindow(HINSTANCE instance, int showCommand);

// Gives one message to the reference windows, then the accelerators, and
// only then translates and dispatches it.
void HandleLoopMessage(MSG* message, HACCEL accelerators);
// Runs until the quit message and returns its exit code.
int RunMessageLoop(HACCEL accelerators);
