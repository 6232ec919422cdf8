#include "app/settings.h"

#include <stdint.h>

#include "display/menu_state.h"
#include "display/rows.h"
#include "engine/calc_state.h"
#include "statusbar/status_bar.h"

namespace {

const char SETTINGS_KEY[] = "Software\\Ternwick";
const POINT BUILT_IN_PLACE = {10, 10};

// One value of the key and the setting it holds.
struct Setting {
    const char* name;
    DWORD value;
};

// A REG_DWORD of exactly four bytes: a value of another type or size (the
// system's typed reads check the type alone) is not trusted.
bool ReadDword(HKEY key, const char* name, DWORD* value)
{
    DWORD type = 0, read = 0, size = sizeof read;
    if (RegQueryValueExA(key, name, NULL, &type, (BYTE*)&read, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof read)
        return false;
    *value = read;
    return true;
}

void WriteSettings(const Setting settings[], int count)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < count; i++)
        RegSetValueExA(key, settings[i].name, 0, REG_DWORD, (const BYTE*)&settings[i].value,
                       sizeof settings[i].value);
    RegCloseKey(key);
}

bool IsDataWidth(DWORD width)
{
    for (int32_t known : DataWidths)
        if (width == (DWORD)known)
            return true;
    return false;
}

// A kept place counts only inside the work area of a screen that is there
// now: a screen since unplugged must not hide the window, nor a taskbar.
bool IsOnAScreen(POINT point)
{
    HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONULL);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    return monitor != NULL && GetMonitorInfoA(monitor, &info) && PtInRect(&info.rcWork, point);
}

// A value missing or not trusted keeps its built-in setting; rows of 0 (or
// none read) are all three.
void ApplySettings(HKEY key)
{
    DWORD rows = 0, active = ROW_HEX, value = 0, left = 0, top = 0;
    ReadDword(key, "Rows", &rows);
    if (!ReadDword(key, "ActiveRow", &active) || active >= ROW_COUNT)
        active = ROW_HEX;
    RestoreRows(rows, (RowIndex)active);
    if (ReadDword(key, "StatusBar", &value) && value <= 1)
        WantStatusBar(value == 1);
    if (ReadDword(key, "DataWidth", &value) && IsDataWidth(value))
        SetDataWidth((int32_t)value);
    if (ReadDword(key, "UnsignedDec", &value) && value <= 1)
        SetUnsignedDecimal(value == 1);
    if (ReadDword(key, "ShiftMode", &value) && value <= SHIFT_ROTATE_CARRY)
        SetShiftMode((ShiftMode)value);
    if (ReadDword(key, "Left", &left) && ReadDword(key, "Top", &top)) {
        POINT place = {(int32_t)left, (int32_t)top};
        if (IsOnAScreen(place))
            g_windowPlace = place;
    }
}

} // namespace

bool g_saveSettings = false;
POINT g_windowPlace = BUILT_IN_PLACE;

void LoadSettings()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD save = 0;
    g_saveSettings = ReadDword(key, "SaveSettings", &save) && save == 1;
    if (g_saveSettings)
        ApplySettings(key);
    RegCloseKey(key);
}

// The restored place, whether the window is maximised or minimised now.
// The placement counts from the work area of the window's screen, which
// starts right of or below a taskbar at the left or the top.
void RecordWindowPlace(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    MONITORINFO screen = {};
    screen.cbSize = sizeof screen;
    if (!GetWindowPlacement(window, &placement) ||
        !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &screen))
        return;
    g_windowPlace = {placement.rcNormalPosition.left + screen.rcWork.left - screen.rcMonitor.left,
                     placement.rcNormalPosition.top + screen.rcWork.top - screen.rcMonitor.top};
}

void SaveSettings()
{
    if (!g_saveSettings)
        return;
    const Setting settings[] = {
        {"SaveSettings", 1},
        {"Rows", VisibleRowBits()},
        {"ActiveRow", (DWORD)g_calc.activeRow},
        {"StatusBar", g_statusBarVisible ? 1u : 0u},
        {"DataWidth", (DWORD)g_calc.dataWidth},
        {"UnsignedDec", g_calc.unsignedDecimal ? 1u : 0u},
        {"ShiftMode", (DWORD)g_calc.shiftMode},
        {"Left", (DWORD)g_windowPlace.x},
        {"Top", (DWORD)g_windowPlace.y},
    };
    WriteSettings(settings, sizeof settings / sizeof settings[0]);
}

void ToggleSaveSettings()
{
    g_saveSettings = !g_saveSettings;
    // A key that cannot be deleted (it has a subkey, or the account may
    // write but not delete) is told to keep nothing instead.
    const Setting item = {"SaveSettings", g_saveSettings ? 1u : 0u};
    if (g_saveSettings || RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY) != ERROR_SUCCESS)
        WriteSettings(&item, 1);
    UpdateMenuState();
}
