#include "beep_counter.h"

#include "engine/calc_state.h"

int g_beepCount = 0;

void SoundEntryBeep()
{
    g_beepCount++;
}
