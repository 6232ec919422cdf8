// Settings kept between starts, in the test prefix's own registry, through
// the program's start and its closing: nothing is written unless asked,
// what is kept comes back, and a value that cannot be trusted keeps its
// built-in setting.
#include "calculator.h"

#include <tuple>
#include <vector>

#include "app/settings.h"
#include "display/layout.h"
#include "display/rows.h"
#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

const char KEY[] = "Software\\Ternwick";

// A run that died mid-test may have left the key behind: every run of the
// window tests starts without it.
class ForgetKeptSettings : public testing::Environment {
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, KEY); }
};
testing::Environment* const FORGET_KEPT_SETTINGS =
    testing::AddGlobalTestEnvironment(new ForgetKeptSettings);

bool KeyExists()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A value of any type and size, as another program could leave it.
struct Value {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
};

Value Dword(const char* name, DWORD value)
{
    const BYTE* bytes = (const BYTE*)&value;
    return {name, REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof value)};
}

void WriteValues(const std::vector<Value>& values)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, KEY, 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL),
              ERROR_SUCCESS);
    for (const Value& value : values)
        RegSetValueExA(key, value.name, 0, value.type, value.data.data(), (DWORD)value.data.size());
    RegCloseKey(key);
}

// What a start shows of the settings: the rows' bits, the active row, the
// status bar, the width, the unsigned form and its mark, the place, the
// shift mode with its mark.
typedef std::tuple<uint32_t, RowIndex, bool, int32_t, bool, bool, LONG, LONG, int> Shown;

Shown ShownSettings()
{
    POINT place = OuterPosition();
    int mode = g_calc.shiftMode;
    bool marked = MenuState(CMD_SHIFT_LOGICAL + mode) & MF_CHECKED;
    return Shown(VisibleRowBits(), g_calc.activeRow, IsStatusBarShown(), g_calc.dataWidth,
                 g_calc.unsignedDecimal, (MenuState(CMD_UNSIGNED_DEC) & MF_CHECKED) != 0,
                 place.x, place.y, marked ? mode : -1);
}

const Shown BUILT_IN(7, ROW_HEX, true, 64, false, false, 10, 10, SHIFT_LOGICAL);

// Every test leaves the prefix without the key: the tests share it.
class Settings : public CalculatorTest {
protected:
    void TearDown() override
    {
        CalculatorTest::TearDown();
        RegDeleteTreeA(HKEY_CURRENT_USER, KEY);
    }
    void Restart()
    {
        StopCalculator();
        StartCalculator();
    }
    // Changes every setting: rows, active row, status bar, width, the
    // unsigned form, the shift mode and the place.
    void ChangeEverySetting()
    {
        ShowRows(false, true, true);
        SendCommand(CMD_SELECT_BIN);
        SendCommand(CMD_STATUS_BAR);
        SendCommand(CMD_WIDTH_16);
        SendCommand(CMD_UNSIGNED_DEC);
        SendCommand(CMD_SHIFT_ROTATE_CARRY);
        SetWindowPos(g_mainWindow, NULL, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
};

TEST_F(Settings, NothingIsKeptUnlessAsked)
{
    ChangeEverySetting();
    Restart();
    EXPECT_FALSE(KeyExists());
    EXPECT_EQ(ShownSettings(), BUILT_IN);
}

// The item writes at once; what a run changed comes back at the next
// start, written when the session ends (not when its end is cancelled) or
// at the close, with the restored place of a maximised or minimised
// window; turning the item off removes the key, or where a subkey keeps
// it, tells it to keep nothing.
TEST_F(Settings, KeptSettingsComeBackAndTurningOffRemovesThem)
{
    SendCommand(CMD_SAVE_SETTINGS);
    EXPECT_TRUE(KeyExists());
    ChangeEverySetting();
    for (DWORD ending : {FALSE, TRUE}) {
        SendMessageA(g_mainWindow, WM_ENDSESSION, ending, 0);
        DWORD width = 0, size = sizeof width;
        RegGetValueA(HKEY_CURRENT_USER, KEY, "DataWidth", RRF_RT_REG_DWORD, NULL, &width,
                     &size);
        EXPECT_EQ(width, ending ? 16u : 0u);
    }
    for (int show : {SW_SHOWNORMAL, SW_MAXIMIZE, SW_MINIMIZE}) {
        ShowWindow(g_mainWindow, show);
        Restart();
        EXPECT_EQ(ShownSettings(), Shown(6, ROW_BIN, false, 16, true, true, 50, 60,
                                         SHIFT_ROTATE_CARRY))
            << show;
    }
    EXPECT_TRUE(MenuState(CMD_SAVE_SETTINGS) & MF_CHECKED);
    SendCommand(CMD_SAVE_SETTINGS);
    EXPECT_FALSE(KeyExists());
    EXPECT_FALSE(MenuState(CMD_SAVE_SETTINGS) & MF_CHECKED);

    SendCommand(CMD_SAVE_SETTINGS);
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Ternwick\\Other", NULL, REG_SZ, "", 1);
    SendCommand(CMD_SAVE_SETTINGS);
    Restart();
    EXPECT_EQ(ShownSettings(), BUILT_IN);
    EXPECT_FALSE(MenuState(CMD_SAVE_SETTINGS) & MF_CHECKED);
}

TEST_F(Settings, UntrustedValuesKeepTheirBuiltInSetting)
{
    const BYTE TWO_BYTES[] = {8, 0};
    const BYTE FOUR_BYTES[] = {8, 0, 0, 0};
    struct Case {
        const char* name;
        std::vector<Value> values;
        Shown expected;
    };
    const Case cases[] = {
        {"not saving", {Dword("SaveSettings", 2), Dword("DataWidth", 8)}, BUILT_IN},
        {"a string", {{"DataWidth", REG_SZ, {'8', 0}}}, BUILT_IN},
        {"two bytes", {{"DataWidth", REG_DWORD, {TWO_BYTES, TWO_BYTES + 2}}}, BUILT_IN},
        {"four binary bytes", {{"DataWidth", REG_BINARY, {FOUR_BYTES, FOUR_BYTES + 4}}}, BUILT_IN},
        {"a four-byte string", {{"DataWidth", REG_SZ, {FOUR_BYTES, FOUR_BYTES + 4}}}, BUILT_IN},
        {"rows 8", {Dword("Rows", 8)}, BUILT_IN},
        {"width 7", {Dword("DataWidth", 7), Dword("StatusBar", 2)}, BUILT_IN},
        {"no row", {Dword("Rows", 0), Dword("ActiveRow", 3)}, BUILT_IN},
        {"hidden active row", {Dword("Rows", 6), Dword("ActiveRow", 0)},
         Shown(6, ROW_DEC, true, 64, false, false, 10, 10, SHIFT_LOGICAL)},
        {"shift mode 4", {Dword("ShiftMode", 4)}, BUILT_IN},
        {"off every screen", {Dword("Left", (DWORD)-30000), Dword("Top", 40)}, BUILT_IN},
    };
    for (const Case& c : cases) {
        std::vector<Value> values = c.values;
        if (c.values[0].name != std::string("SaveSettings"))
            values.insert(values.begin(), Dword("SaveSettings", 1));
        // A run that keeps its settings writes them as it closes.
        StopCalculator();
        RegDeleteTreeA(HKEY_CURRENT_USER, KEY);
        WriteValues(values);
        StartCalculator();
        EXPECT_EQ(ShownSettings(), c.expected) << c.name;
    }
}

} // namespace
