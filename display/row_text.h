// The text of one row for the shown value: grouped as painted, or bare as
// copied to the clipboard. Both forms share the row's radix and sign.
#pragma once

#include <stddef.h>

#include "engine/calc_state.h"

void FormatRowText(RowIndex row, bool grouped, char* buffer);

const int ROW_SPEECH_SIZE = 128;

// The row as a reader speaks it: its label without the colon and its text
// as painted without the padding, such as "Hex DEAD-BEEF".
void FormatRowSpeech(RowIndex row, char* buffer, size_t size);
