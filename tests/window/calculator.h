// Drives the real main window in the test process: the program's own
// start-up functions, real messages, the real accelerator table.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "engine/calc_state.h"

// Starts the calculator afresh: the process's initial state, a new main
// window shown and painted.
void StartCalculator();
// Destroys the main window and drains its quit message.
void StopCalculator();

// Runs the program's message handling until the queue is empty.
void PumpMessages();

// Sends WM_CHAR for each character, as the keyboard would deliver them.
void TypeChars(const std::string& chars);
void PressKey(WPARAM virtualKey);
void SendCommand(int command);
int SelectCommand(RowIndex row);
int ViewCommand(RowIndex row);
// Shows exactly the rows named by the flags, through the View commands.
void ShowRows(bool hex, bool dec, bool bin);
void ClickAt(int x, int y);

// Posts a key press through the message loop with the real accelerator
// table, with Ctrl or Alt held as the keyboard state says.
enum Modifier { NO_MODIFIER, CTRL, ALT };
void PressThroughLoop(WPARAM virtualKey, Modifier modifier);

// What a user sees.
std::string StatusText(int part);
int StatusPartCount();
UINT MenuState(int command);
SIZE OuterSize();
POINT OuterPosition();
// True when something asked for a repaint since the window was last validated.
bool RepaintPending();
void ValidateMainWindow();

class CalculatorTest : public testing::Test {
protected:
    void SetUp() override { StartCalculator(); }
    void TearDown() override { StopCalculator(); }
};
