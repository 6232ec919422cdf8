// Typing helpers shared by the engine tests.
#pragma once

#include <string>

#include "engine/calc_state.h"

const char ESC = 27;
const char BKSP = 8;
const char ENTER = 13;

// Starts every test from the register set the process starts with.
void ResetEngine();

// Types a string into the engine the way the main window routes characters:
// hex digits go to digit entry, everything else to the operator keys.
void TypeKeys(const std::string& keys);

// Types keys with a given row active first.
void TypeKeysInRow(RowIndex row, const std::string& keys);
