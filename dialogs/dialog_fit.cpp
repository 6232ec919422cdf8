#include "dialogs/dialog_fit.h"

#include "dialogs/dialog_record.h"
#include "dialogs/dialog_scale.h"

namespace {

const int MAX_CONTROLS = 12;
const int TEXT_SIZE = 512;
// A rectangle in dialog units whose size in pixels tells the scale.
const RECT SCALE_PROBE = {0, 0, 400, 800};

enum ControlKind { KIND_OTHER, KIND_TEXT, KIND_LINK, KIND_BUTTON, KIND_GROUP };

// One dialog's controls as its template placed them, in client pixels at
// the scale the probe measured.
struct DialogLayout {
    HWND dialog;
    int count;
    HWND controls[MAX_CONTROLS];
    RECT places[MAX_CONTROLS];
    SIZE client;
    RECT scale;
};

DialogLayout g_layouts[MAX_OPEN_DIALOGS];

// One control while it is being fitted: its template place, where it goes
// and what its text needs.
struct Fitting {
    HWND control;
    ControlKind kind;
    RECT from;
    RECT to;
    int textWidth;
    int growth;
};

// Spacing in pixels at the dialog's scale, from dialog units.
struct Spacing {
    int slack;
    int linkGap;
    int captionMargin;
};

RECT ScaleOfDialog(HWND dialog)
{
    RECT scale = SCALE_PROBE;
    MapDialogUnits(dialog, &scale);
    return scale;
}

ControlKind KindOf(HWND control)
{
    char className[16];
    GetClassNameA(control, className, sizeof className);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    if (lstrcmpiA(className, "Static") == 0) {
        LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP)
            return KIND_OTHER;
        return (style & SS_NOTIFY) ? KIND_LINK : KIND_TEXT;
    }
    if (lstrcmpiA(className, "Button") == 0) {
        LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX)
            return KIND_GROUP;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? KIND_BUTTON : KIND_OTHER;
    }
    return KIND_OTHER;
}

// Measures the control's text in its own font the way a static control
// draws it. With a width given the text wraps there and the height is
// the answer; without one, the width of its longest line.
SIZE MeasureText(HWND control, int wrapWidth, int* lineHeight)
{
    char text[TEXT_SIZE];
    GetWindowTextA(control, text, TEXT_SIZE);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, (HFONT)SendMessageA(control, WM_GETFONT, 0, 0));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    *lineHeight = metrics.tmHeight;
    UINT format = DT_CALCRECT | DT_LEFT | DT_EXPANDTABS;
    if (GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (wrapWidth > 0)
        format |= DT_WORDBREAK;
    RECT rect = {0, 0, wrapWidth > 0 ? wrapWidth : 1, 0};
    DrawTextA(dc, text, -1, &rect, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

int MaxOf(int a, int b) { return a > b ? a : b; }

// A text whose place holds one line gets the width its text needs; one
// that holds several keeps its width and gets the height its lines need.
// Buttons and group boxes hold their captions. Any other control (a
// picture) keeps the size its owner gave it.
void FitOwnSize(Fitting& item, const Spacing& spacing)
{
    item.to = item.from;
    item.growth = 0;
    if (item.kind == KIND_OTHER) {
        RECT size;
        GetClientRect(item.control, &size);
        item.to.right = item.to.left + size.right;
        item.to.bottom = item.to.top + size.bottom;
        return;
    }
    int lineHeight = 0;
    SIZE text = MeasureText(item.control, 0, &lineHeight);
    item.textWidth = text.cx;
    int width = item.from.right - item.from.left, height = item.from.bottom - item.from.top;
    if (item.kind == KIND_BUTTON || item.kind == KIND_GROUP) {
        int needed = text.cx + 2 * spacing.captionMargin;
        item.to.right = MaxOf(item.from.right, item.from.left + needed);
    } else if (height < 2 * lineHeight) {
        item.to.right = MaxOf(item.from.right, item.from.left + text.cx + spacing.slack);
    } else {
        SIZE wrapped = MeasureText(item.control, width, &lineHeight);
        item.growth = MaxOf(0, wrapped.cy - height);
        item.to.bottom += item.growth;
    }
}

// Whatever lies below a text that grew moves down by its growth; below
// several, by the most that any column above it grew.
void MoveBelowGrownTexts(Fitting* items, int count)
{
    int shifts[MAX_CONTROLS] = {};
    for (int pass = 0; pass < count; pass++)
        for (int i = 0; i < count; i++)
            for (int j = 0; j < count; j++)
                if (items[j].growth > 0 && items[j].from.bottom <= items[i].from.top)
                    shifts[i] = MaxOf(shifts[i], shifts[j] + items[j].growth);
    for (int i = 0; i < count; i++)
        OffsetRect(&items[i].to, 0, shifts[i]);
}

// A link follows its label on the label's line, after the label's text,
// and is as wide as its own text.
void PlaceLinks(Fitting* items, int count, const Spacing& spacing)
{
    for (int i = 0; i < count; i++) {
        Fitting& link = items[i];
        if (link.kind != KIND_LINK)
            continue;
        int left = link.to.left, top = link.to.top;
        for (int j = 0; j < count; j++) {
            const Fitting& label = items[j];
            if (label.kind == KIND_TEXT && label.from.top == link.from.top &&
                label.from.left < link.from.left) {
                left = MaxOf(link.from.left, label.to.left + label.textWidth + spacing.linkGap);
                top = label.to.top;
            }
        }
        int height = link.from.bottom - link.from.top;
        SetRect(&link.to, left, top, left + link.textWidth + spacing.slack, top + height);
    }
}

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// A group box keeps the template's margins around whatever it holds.
void GrowGroupBoxes(Fitting* items, int count)
{
    for (int i = 0; i < count; i++) {
        Fitting& group = items[i];
        if (group.kind != KIND_GROUP)
            continue;
        for (int j = 0; j < count; j++) {
            const Fitting& inside = items[j];
            if (j == i || !Contains(group.from, inside.from))
                continue;
            group.to.right = MaxOf(group.to.right,
                                   inside.to.right + group.from.right - inside.from.right);
            group.to.bottom = MaxOf(group.to.bottom,
                                    inside.to.bottom + group.from.bottom - inside.from.bottom);
        }
    }
}

// The dialog keeps the template's margins right of and below its controls.
SIZE FitClientSize(const Fitting* items, int count, SIZE client)
{
    SIZE fitted = client;
    for (int i = 0; i < count; i++) {
        fitted.cx = MaxOf(fitted.cx, items[i].to.right + client.cx - items[i].from.right);
        fitted.cy = MaxOf(fitted.cy, items[i].to.bottom + client.cy - items[i].from.bottom);
    }
    return fitted;
}

// The frame, the caption and any scroll bar keep their size: the window
// changes by as much as its client area must.
void ResizeClient(HWND dialog, SIZE client)
{
    RECT current, window;
    GetClientRect(dialog, &current);
    if (current.right == client.cx && current.bottom == client.cy)
        return;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, NULL, 0, 0, window.right - window.left + client.cx - current.right,
                 window.bottom - window.top + client.cy - current.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A dialog that leaves its monitor's work area moves just enough to lie
// inside it.
void KeepDialogInWorkArea(HWND dialog)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    RECT window;
    GetWindowRect(dialog, &window);
    int dx = window.right > work.right ? work.right - window.right : 0;
    int dy = window.bottom > work.bottom ? work.bottom - window.bottom : 0;
    dx = window.left + dx < work.left ? work.left - window.left : dx;
    dy = window.top + dy < work.top ? work.top - window.top : dy;
    if (dx != 0 || dy != 0)
        SetWindowPos(dialog, NULL, window.left + dx, window.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// One and four horizontal dialog units: a text's slack, twice that before a
// link, and a caption's margin on each side.
Spacing SpacingOf(HWND dialog)
{
    RECT units = {1, 0, 4, 0};
    MapDialogUnits(dialog, &units);
    Spacing spacing = {units.left, 2 * units.left, units.right};
    return spacing;
}

// Fits every control from the given template places and the dialog's size
// from the template's client size; a control moves only where it changes.
void LayOutDialog(HWND dialog, const DialogLayout& layout, const RECT* places, SIZE client)
{
    Spacing spacing = SpacingOf(dialog);
    Fitting items[MAX_CONTROLS];
    for (int i = 0; i < layout.count; i++) {
        items[i].control = layout.controls[i];
        items[i].kind = KindOf(layout.controls[i]);
        items[i].from = places[i];
        items[i].textWidth = 0;
        FitOwnSize(items[i], spacing);
    }
    MoveBelowGrownTexts(items, layout.count);
    PlaceLinks(items, layout.count, spacing);
    GrowGroupBoxes(items, layout.count);
    ResizeClient(dialog, FitClientSize(items, layout.count, client));
    KeepDialogInWorkArea(dialog);
    for (int i = 0; i < layout.count; i++) {
        RECT now = ChildRectInDialog(dialog, items[i].control);
        const RECT& to = items[i].to;
        if (!EqualRect(&now, &to))
            SetWindowPos(items[i].control, NULL, to.left, to.top, to.right - to.left,
                         to.bottom - to.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Maps a place recorded at one scale to another.
RECT Rescale(const RECT& place, const RECT& from, const RECT& to)
{
    RECT scaled = {MulDiv(place.left, to.right, from.right),
                   MulDiv(place.top, to.bottom, from.bottom),
                   MulDiv(place.right, to.right, from.right),
                   MulDiv(place.bottom, to.bottom, from.bottom)};
    return scaled;
}

} // namespace

RECT ChildRectInDialog(HWND dialog, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, dialog, (POINT*)&rect, 2);
    return rect;
}

void FitDialogToTexts(HWND dialog)
{
    DialogLayout* layout = FindDialogRecord(g_layouts, NULL);
    if (layout == NULL)
        return;
    layout->dialog = dialog;
    layout->count = 0;
    HWND control = GetWindow(dialog, GW_CHILD);
    for (; control != NULL && layout->count < MAX_CONTROLS;
         control = GetWindow(control, GW_HWNDNEXT)) {
        layout->controls[layout->count] = control;
        layout->places[layout->count++] = ChildRectInDialog(dialog, control);
    }
    RECT client;
    GetClientRect(dialog, &client);
    layout->client.cx = client.right;
    layout->client.cy = client.bottom;
    layout->scale = ScaleOfDialog(dialog);
    LayOutDialog(dialog, *layout, layout->places, layout->client);
}

void RefitDialogToTexts(HWND dialog)
{
    const DialogLayout* layout = FindDialogRecord(g_layouts, dialog);
    if (layout == NULL)
        return;
    RECT scale = ScaleOfDialog(dialog);
    RECT places[MAX_CONTROLS];
    for (int i = 0; i < layout->count; i++)
        places[i] = Rescale(layout->places[i], layout->scale, scale);
    RECT clientRect = {0, 0, layout->client.cx, layout->client.cy};
    clientRect = Rescale(clientRect, layout->scale, scale);
    SIZE client = {clientRect.right, clientRect.bottom};
    LayOutDialog(dialog, *layout, places, client);
}

void ForgetDialogLayout(HWND dialog)
{
    DialogLayout* layout = FindDialogRecord(g_layouts, dialog);
    if (layout != NULL)
        layout->dialog = NULL;
}
