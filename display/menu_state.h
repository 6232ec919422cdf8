// The View menu's check marks and greyed items, kept in step with the rows
// and the status bar.
#pragma once

void UpdateMenuState();
