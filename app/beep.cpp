#include <windows.h>

#include "engine/calc_state.h"

void SoundEntryBeep()
{
    MessageBeep(ENTRY_BEEP);
}
