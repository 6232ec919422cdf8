#include "accessibility/accessibility.h"

#include <windows.h>

#include <string.h>

#include "accessibility/status_accessible.h"
#include "display/bit_pad.h"
#include "display/layout.h"
#include "display/row_text.h"
#include "display/rows.h"
#include "statusbar/status_bar.h"

namespace {

// What readers were last told. Some inputs refresh twice (Tab, F5); a
// reader must hear each change once.
struct Announced {
    char speech[ROW_COUNT][ROW_SPEECH_SIZE];
    bool visible[ROW_COUNT];
    RowIndex activeRow;
    char statusSpeech[STATUS_SPEECH_SIZE];
    // The bit cursor: shown, where, and its bit's value.
    bool bitShown;
    int bit;
    bool bitSet;
};

Announced g_announced;

void Notify(DWORD event, LONG child)
{
    NotifyWinEvent(event, g_mainWindow, OBJID_CLIENT, child);
}

bool AnnounceVisibility()
{
    bool changed = false;
    for (int i = 0; i < ROW_COUNT; i++) {
        changed = changed || g_announced.visible[i] != IsRowVisible((RowIndex)i);
        g_announced.visible[i] = IsRowVisible((RowIndex)i);
    }
    if (changed)
        Notify(EVENT_OBJECT_REORDER, CHILDID_SELF);
    return changed;
}

// A row's name carries its value, so a changed row is announced by its
// name alone: readers speak a value change of the focused item as well,
// and would say it twice. A row shown again is announced whole, whatever
// it said before.
void AnnounceTexts(bool reordered)
{
    char speech[ROW_SPEECH_SIZE];
    for (int i = 0; i < ROW_COUNT; i++) {
        RowIndex row = (RowIndex)i;
        if (!IsRowVisible(row))
            continue;
        FormatRowSpeech(row, speech, sizeof speech);
        if (!reordered && strcmp(speech, g_announced.speech[row]) == 0)
            continue;
        strcpy(g_announced.speech[row], speech);
        Notify(EVENT_OBJECT_NAMECHANGE, VisibleRowNumber(row));
    }
}

// The status bar's name carries its texts: a change of the data width is
// heard even where no row's text changes.
void AnnounceStatusBar()
{
    char speech[STATUS_SPEECH_SIZE] = "";
    if (IsStatusBarShown())
        FormatStatusBarSpeech(g_statusBar, speech, sizeof speech);
    if (strcmp(speech, g_announced.statusSpeech) == 0)
        return;
    strcpy(g_announced.statusSpeech, speech);
    if (IsStatusBarShown())
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, g_statusBar, OBJID_CLIENT, CHILDID_SELF);
}

bool IsCursorBitSet()
{
    return ((ShownValue() >> g_bitPad.cursor) & 1) != 0;
}

// The cursor showing or moving takes the focus; its bit changing under it
// changes its state, which a reader speaks ("Bit 13, check box, checked").
void AnnounceBitCursor()
{
    Announced& a = g_announced;
    bool moved = g_bitPad.cursorShown && (!a.bitShown || a.bit != g_bitPad.cursor);
    bool flipped = g_bitPad.cursorShown && !moved && a.bitSet != IsCursorBitSet();
    a.bitShown = g_bitPad.cursorShown;
    a.bit = g_bitPad.cursor;
    a.bitSet = IsCursorBitSet();
    if (moved && GetFocus() == g_mainWindow)
        Notify(EVENT_OBJECT_FOCUS, BIT_CURSOR_CHILD);
    if (flipped)
        Notify(EVENT_OBJECT_STATECHANGE, BIT_CURSOR_CHILD);
}

} // namespace

void RecordAnnouncedRows()
{
    for (int i = 0; i < ROW_COUNT; i++) {
        RowIndex row = (RowIndex)i;
        FormatRowSpeech(row, g_announced.speech[row], ROW_SPEECH_SIZE);
        g_announced.visible[row] = IsRowVisible(row);
    }
    g_announced.activeRow = g_calc.activeRow;
    g_announced.statusSpeech[0] = 0;
    if (IsStatusBarShown())
        FormatStatusBarSpeech(g_statusBar, g_announced.statusSpeech, STATUS_SPEECH_SIZE);
}

void AnnounceRowChanges()
{
    AnnounceTexts(AnnounceVisibility());
    AnnounceStatusBar();
    AnnounceBitCursor();
    if (g_announced.activeRow == g_calc.activeRow)
        return;
    g_announced.activeRow = g_calc.activeRow;
    Notify(EVENT_OBJECT_SELECTION, VisibleRowNumber(g_calc.activeRow));
    if (GetFocus() == g_mainWindow)
        AnnounceFocusedRow();
}

void AnnounceFocusedRow()
{
    Notify(EVENT_OBJECT_FOCUS,
           g_bitPad.cursorShown ? BIT_CURSOR_CHILD : VisibleRowNumber(g_calc.activeRow));
}
