// Identifiers of Ternwick's resources and commands. Included by the resource
// script, so it holds nothing but #define lines.
#pragma once

// Menu, accelerator table and class-name string
#define IDM_MAIN_MENU       109
#define IDA_MAIN_ACCEL      109
#define IDS_CLASS_NAME      109

// Commands carried in the low word of WM_COMMAND
#define CMD_ABOUT           104
#define CMD_VIEW_HEX        32771
#define CMD_VIEW_DEC        32772
#define CMD_VIEW_BIN        32773
#define CMD_SELECT_HEX      32774
#define CMD_SELECT_DEC      32775
#define CMD_SELECT_BIN      32776
#define CMD_COPY            32777
#define CMD_PASTE           32778
#define CMD_HELP            32779
#define CMD_HISTORY         32780
#define CMD_STATUS_BAR      32781
// The data widths, widest first: consecutive, for the menu's radio mark.
#define CMD_WIDTH_64        32782
#define CMD_WIDTH_32        32783
#define CMD_WIDTH_16        32784
#define CMD_WIDTH_8         32785
#define CMD_UNSIGNED_DEC    32786
#define CMD_SAVE_SETTINGS   32787
// The shift modes in the order of their values: consecutive, for the
// menu's radio mark.
#define CMD_SHIFT_LOGICAL       32788
#define CMD_SHIFT_ARITHMETIC    32789
#define CMD_SHIFT_ROTATE        32790
#define CMD_SHIFT_ROTATE_CARRY  32791
#define CMD_SWAP_BYTES      32792
#define CMD_REVERSE_BITS    32793

// Icons
#define IDI_LARGE           107
#define IDI_SMALL           108

// Dialogs
#define IDD_ABOUT           103
#define IDD_HELP            131
#define IDD_HISTORY         132

// Controls
#define STATUS_BAR_ID       148
#define IDC_LINK_WEB        1038
#define IDC_LINK_MAIL       1039
#define IDC_VERSION_TEXT    1045
#define IDC_LOGO            1046
#define IDC_DIVIDER         1047
// The About box's pictures, x, y, width and height in dialog units: a
// picture control keeps this rectangle whatever the size of its bitmap.
#define LOGO_PLACE          17, 23, 24, 24
#define DIVIDER_PLACE       17, 56, 280, 5

// Bitmaps, each drawn at its base size, at 3/2 of it (MEDIUM) and at
// BITMAP_LARGE_SCALE times it (tools/make_images.py reads the sizes and the
// scale from here). A picture shows the largest drawing whose scale is at
// most the dialog's.
#define IDB_LOGO            132
#define IDB_DIVIDER         134
#define IDB_LOGO_LARGE      136
#define IDB_DIVIDER_LARGE   137
#define IDB_LOGO_MEDIUM     138
#define IDB_DIVIDER_MEDIUM  139
#define BITMAP_LARGE_SCALE  2
#define LOGO_SIZE           48
#define DIVIDER_WIDTH       560
#define DIVIDER_HEIGHT      9
