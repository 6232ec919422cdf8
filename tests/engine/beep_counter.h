// Test stand-in for the application's beep: counts the alerts instead.
#pragma once

extern int g_beepCount;
