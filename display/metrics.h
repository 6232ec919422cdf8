// Every pixel number of the main window, derived from the screen's DPI and
// the row font actually in use. Painting, sizing, clicks, the bit readout
// and the status bar parts all read this one record, so what is drawn is
// what is hit. At 96 DPI with a font of 8-pixel cells 13 pixels high, every
// value equals the base constants of display/layout.h.
#pragma once

#include <windows.h>

const int BASE_DPI = 96;
const int STATUS_PART_COUNT = 4;
// The room the status bar keeps left and right of a part's text.
struct TextRoom {
    int left;
    int right;
};

struct LayoutMetrics {
    int dpi;
    int cellWidth;
    int fontHeight;
    int rowHeight;
    int firstRowY;
    int valueX;
    int labelX;
    // The highlight reaches this far left of the value and above and below
    // the text's top, and this far right of the field.
    int highlightLeft;
    int highlightTop;
    int highlightBottom;
    int highlightMargin;
    // A click band ends this far above the text of the row below.
    int bandMargin;
    // The bit readout's band starts this far above the binary row's text.
    int hoverTop;
    int hoverHeight;
    // Space below the last row.
    int bottomMargin;
    // Right edges of the status bar parts.
    int statusEdges[STATUS_PART_COUNT];
};

// Written only by UpdateLayoutMetrics and UpdateStatusPartEdges.
extern LayoutMetrics g_metrics;

// The k-th visible row from the top: where its text stands, and the band
// of client rows [top, bottom) that a click or a pointer there belongs to.
struct RowBand {
    int textY;
    int top;
    int bottom;
};

// Scales a 96-DPI pixel count to the current DPI.
int ScaleToDpi(int value);

// The DPI of the window, from the newest means the system offers.
int WindowDpi(HWND window);

// Makes the row font for the DPI (once per DPI) and measures it into the
// record.
void UpdateLayoutMetrics(int dpi);
// Widens the status bar parts where their widest texts need it: their
// widths in the bar's own font, the room the bar keeps around a text and
// the gap between parts.
void UpdateStatusPartEdges(const int textWidths[STATUS_PART_COUNT], TextRoom room, int gap);
HFONT RowFont();
// Deletes the row font made for a DPI other than 96; called at exit.
void ReleaseRowFont();

RowBand RowBandAt(int position, int visibleRows);
// The position of the band a client y belongs to; above the first band is
// the first, below the last the last.
int BandAtY(int y, int visibleRows);
// Frames a client rectangle the way an overlapped window with a menu is
// framed at the current DPI.
void AdjustFrameForDpi(RECT* rect);
