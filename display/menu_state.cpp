#include "display/menu_state.h"

#include <windows.h>

#include "app/settings.h"
#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

void CheckItem(HMENU menu, UINT command, bool checked)
{
    CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void GreyItem(HMENU menu, UINT command, bool greyed)
{
    EnableMenuItem(menu, command, MF_BYCOMMAND | (greyed ? MF_GRAYED : MF_ENABLED));
}

} // namespace

// The View item of the only visible row is greyed, so neither the menu nor
// its accelerator can hide the last row. The data width and the shift
// mode carry the radio marks.
void UpdateMenuState()
{
    HMENU menu = GetMenu(g_mainWindow);
    bool hex = IsRowVisible(ROW_HEX), dec = IsRowVisible(ROW_DEC), bin = IsRowVisible(ROW_BIN);
    CheckItem(menu, CMD_VIEW_HEX, hex);
    CheckItem(menu, CMD_VIEW_DEC, dec);
    CheckItem(menu, CMD_VIEW_BIN, bin);
    CheckItem(menu, CMD_STATUS_BAR, g_statusBarVisible);
    CheckItem(menu, CMD_UNSIGNED_DEC, g_calc.unsignedDecimal);
    CheckItem(menu, CMD_SAVE_SETTINGS, g_saveSettings);
    GreyItem(menu, CMD_VIEW_HEX, !dec && !bin);
    GreyItem(menu, CMD_VIEW_DEC, !hex && !bin);
    GreyItem(menu, CMD_VIEW_BIN, !hex && !dec);
    for (int i = 0; i < DATA_WIDTH_COUNT; i++)
        if (DataWidths[i] == g_calc.dataWidth)
            CheckMenuRadioItem(menu, CMD_WIDTH_64, CMD_WIDTH_8, CMD_WIDTH_64 + i, MF_BYCOMMAND);
    CheckMenuRadioItem(menu, CMD_SHIFT_LOGICAL, CMD_SHIFT_ROTATE_CARRY,
                       CMD_SHIFT_LOGICAL + g_calc.shiftMode, MF_BYCOMMAND);
}
