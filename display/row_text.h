// The text of one row for the shown value: grouped as painted, or bare as
// copied to the clipboard. Both forms share the row's radix and sign.
#pragma once

#include "engine/calc_state.h"

void FormatRowText(RowIndex row, bool grouped, char* buffer);
