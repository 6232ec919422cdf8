#include "app/main_window.h"

#include <windowsx.h>

#include "app/settings.h"
#include "app/startup.h"
#include "clipboard/clipboard.h"
#include "dialogs/about.h"
#include "dialogs/dialog_font.h"
#include "dialogs/reference_windows.h"
#include "accessibility/accessibility.h"
#include "display/bit_pad.h"
#include "display/layout.h"
#include "display/menu_state.h"
#include "display/metrics.h"
#include "display/rows.h"
#include "engine/operators.h"
#include "resources/resource.h"
#include "statusbar/bit_hover.h"
#include "statusbar/status_bar.h"

namespace {

const int KEY_TAB = 9;
const int KEY_ESCAPE = 27;
const int KEY_SPACE = 32;

// Every routed character refreshes, also a digit that EnterDigit refused;
// characters outside the tables are ignored without a refresh, and so is
// Space while no bit cursor shows.
void HandleCharacter(WPARAM ch)
{
    int digit = DigitOfCharacter((int)ch);
    if (digit >= 0)
        EnterDigit(digit);
    else if (ch == KEY_TAB)
        HandleNavigationKey(KEY_TAB);
    else if (IsOperatorKey((int)ch))
        PressOperatorKey((int)ch);
    else if (ch != KEY_SPACE || !FlipSelectedBits())
        return;
    Refresh();
}

// In the active Bin row Left and Right move the bit cursor (with Shift
// they select a field) and Delete clears the field's bits; false for any
// other key, and in the other rows.
bool PressBitPadKey(WPARAM key)
{
    if (key == VK_LEFT || key == VK_RIGHT)
        return MoveBitCursor(key == VK_LEFT ? 1 : -1, GetKeyState(VK_SHIFT) < 0);
    return key == VK_DELETE && ClearFieldBits();
}

// Up and Down walk the rows.
void HandleKeyDown(WPARAM key)
{
    if (key == VK_UP || key == VK_DOWN)
        HandleNavigationKey((unsigned)key);
    else if (!PressBitPadKey(key))
        return;
    Refresh();
}

// With the button held after a press on a bit the field follows the mouse;
// the readout always does.
void HandleMouseMove(LPARAM lParam)
{
    DragBitField(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    UpdateBitHover(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// Pasting always starts from a cleared register, even when the clipboard
// holds nothing usable.
void PasteNumber()
{
    PressOperatorKey(KEY_ESCAPE);
    PasteFromClipboard();
}

// The box is modal and owned by the main window, in the font of the main
// window's DPI; its result is not needed.
void ShowAboutBox(HWND window)
{
    DialogBoxIndirectParamA(g_instance, DialogTemplateAt(g_instance, IDD_ABOUT, g_metrics.dpi),
                            window, AboutDialogProc, 0);
}

// The mode is read when "<" or ">" is carried out: nothing shown changes
// but the menu's mark.
void ChooseShiftMode(ShiftMode mode)
{
    SetShiftMode(mode);
    UpdateMenuState();
}

// Commands that change what is shown are followed by a refresh; unknown
// identifiers go to default processing.
LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case CMD_ABOUT: ShowAboutBox(window); return 0;
    case CMD_COPY: CopyToClipboard(); return 0;
    case CMD_HELP: ShowHelpWindow(g_instance); return 0;
    case CMD_HISTORY: ShowHistoryWindow(g_instance); return 0;
    case CMD_PASTE: PasteNumber(); break;
    case CMD_VIEW_HEX: ToggleRowVisibility(ROW_HEX); break;
    case CMD_VIEW_DEC: ToggleRowVisibility(ROW_DEC); break;
    case CMD_VIEW_BIN: ToggleRowVisibility(ROW_BIN); break;
    case CMD_SELECT_HEX: SelectRow(ROW_HEX); break;
    case CMD_SELECT_DEC: SelectRow(ROW_DEC); break;
    case CMD_SELECT_BIN: SelectRow(ROW_BIN); break;
    case CMD_STATUS_BAR: ToggleStatusBar(); break;
    case CMD_UNSIGNED_DEC: ToggleUnsignedDecimal(); break;
    case CMD_SAVE_SETTINGS: ToggleSaveSettings(); break;
    case CMD_WIDTH_64: ChooseDataWidth(64); break;
    case CMD_WIDTH_32: ChooseDataWidth(32); break;
    case CMD_WIDTH_16: ChooseDataWidth(16); break;
    case CMD_WIDTH_8: ChooseDataWidth(8); break;
    case CMD_SHIFT_LOGICAL: ChooseShiftMode(SHIFT_LOGICAL); break;
    case CMD_SHIFT_ARITHMETIC: ChooseShiftMode(SHIFT_ARITHMETIC); break;
    case CMD_SHIFT_ROTATE: ChooseShiftMode(SHIFT_ROTATE); break;
    case CMD_SHIFT_ROTATE_CARRY: ChooseShiftMode(SHIFT_ROTATE_CARRY); break;
    case CMD_SWAP_BYTES: SwapShownBytes(); break;
    case CMD_REVERSE_BITS: ReverseShownBits(); break;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    Refresh();
    return 0;
}

void PaintMainWindow(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintRows(dc);
    EndPaint(window, &paint);
}

// The window keeps the position Windows suggests for the new scale and
// takes the size its rows need there.
void HandleDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    ScaleMainWindow(window, LOWORD(wParam), (const RECT*)lParam);
    Refresh();
}

// The status bar's font may have changed with the other system fonts.
void HandleSettingChange(HWND window, WPARAM wParam)
{
    if (wParam == SPI_SETNONCLIENTMETRICS) {
        ScaleStatusBar();
        SizeMainWindow(window);
    }
    Refresh();
}

void HandleColourChange()
{
    ForwardColourChangeToStatusBar();
    Refresh();
}

// Every way of closing passes here: the settings are kept where the user
// asked. Readers let go of the rows, and the fonts made for the scale go
// with the window; the loop ends after it.
void HandleDestroy()
{
    SaveSettings();
    DisconnectAccessibleRows();
    ReleaseRowFont();
    ReleaseStatusFont();
    PostQuitMessage(0);
}

// The bit cursor shows only while the window has the focus; a reader is
// told where the focus now is.
void HandleFocusChange(HWND window, bool gained)
{
    if (g_bitPad.cursorShown)
        InvalidateRect(window, NULL, TRUE);
    if (gained)
        AnnounceFocusedRow();
}

// Windows may end the process after this without destroying the window.
void HandleEndSession(WPARAM ending)
{
    if (ending)
        SaveSettings();
}

} // namespace

void Refresh()
{
    InvalidateRect(g_mainWindow, NULL, TRUE);
    UpdateStatusBarText(g_statusBar);
    AnnounceRowChanges();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR: HandleCharacter(wParam); return 0;
    case WM_KEYDOWN: HandleKeyDown(wParam); return 0;
    case WM_COMMAND: return HandleCommand(window, wParam, lParam);
    case WM_MOUSEMOVE: HandleMouseMove(lParam); return 0;
    case WM_MOUSEACTIVATE: NoteActivatingClick(lParam); break;
    case WM_LBUTTONDOWN: PressBitCell(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: ReleaseClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_CAPTURECHANGED: LoseMouseCapture(); return 0;
    case WM_SIZE: ForwardSizeToStatusBar(wParam, lParam); return 0;
    case WM_PAINT: PaintMainWindow(window); return 0;
    case WM_SETFOCUS: HandleFocusChange(window, true); return 0;
    case WM_KILLFOCUS: HandleFocusChange(window, false); return 0;
    case WM_GETOBJECT: return AnswerAccessibleObject(window, wParam, lParam);
    case WM_DPICHANGED: HandleDpiChanged(window, wParam, lParam); return 0;
    case WM_SETTINGCHANGE: HandleSettingChange(window, wParam); return 0;
    case WM_SYSCOLORCHANGE: HandleColourChange(); return 0;
    case WM_THEMECHANGED: Refresh(); return 0;
    case WM_MOVE: RecordWindowPlace(window); return 0;
    case WM_ENDSESSION: HandleEndSession(wParam); return 0;
    case WM_DESTROY: HandleDestroy(); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
