// The status bar's last part: the open parentheses and the flags of the
// last operation, shown in short and read out in words, in a window whose
// size never changes as they come and go.
#include "calculator.h"
#include "reader.h"

#include <commctrl.h>
#include <oleacc.h>

#include "resources/resource.h"
#include "statusbar/status_bar.h"

namespace {

std::string StatusBarName()
{
    IAccessible* statusBar = NULL;
    if (AccessibleObjectFromWindow(g_statusBar, OBJID_CLIENT, __uuidof(IAccessible),
                                   (void**)&statusBar) != S_OK)
        return "";
    BSTR name = NULL;
    statusBar->get_accName(Child(CHILDID_SELF), &name);
    statusBar->Release();
    return Narrow(name);
}

typedef CalculatorTest Layout;

// With every row (the flags after the bit readout) and without the binary
// row (right after the PCI readout).
TEST_F(Layout, LastPartShowsParenthesesAndFlags)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    const std::string ESC(1, 27);
    struct Step { std::string keys; const char* text; const char* words; };
    const Step steps[] = {
        {"", "", ""},
        {"((", "(2", "2 open parentheses"},
        {"0-1", "(2  PF", "2 open parentheses; parity"},
        {")", "(1  CF PF SF", "1 open parenthesis; carry, parity, sign"},
        {"=", "PF SF", "parity, sign"},
        {ESC + "~", "PF SF", "parity, sign"},
        {"7+1=", "", ""},
    };
    for (bool bin : {true, false}) {
        StopCalculator();
        StartCalculator();
        ShowRows(true, true, bin);
        SIZE size = OuterSize();
        for (const Step& step : steps) {
            TypeChars(step.keys);
            int part = StatusPartCount() - 1;
            EXPECT_EQ(part, bin ? STATUS_PART_FLAGS : 1);
            std::string name = StatusBarName(), words = step.words;
            LRESULT length = SendMessageA(g_statusBar, SB_GETTEXTLENGTHA, part, 0);
            EXPECT_EQ(StatusText(part), step.text) << step.keys;
            EXPECT_EQ((HIWORD(length) & SBT_NOBORDERS) != 0, words.empty()) << step.keys;
            EXPECT_EQ(name.substr(name.size() - words.size()), words) << name;
            EXPECT_EQ(name.find("open") == std::string::npos, words.find("open") == std::string::npos)
                << name;
            EXPECT_EQ(OuterSize().cx, size.cx) << step.keys;
            EXPECT_EQ(OuterSize().cy, size.cy) << step.keys;
        }
    }
}

} // namespace
