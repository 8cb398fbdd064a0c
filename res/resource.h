// Resource and control ids, shared by the resource script and the code. Kept free of
// anything but #define lines, so the resource compiler reads it too.
#pragma once

#include "framework/framework_ids.h"

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_ICONPICK 135

// Strings
#define IDS_ABOUTBOX 101
#define IDS_NEEDS_JAPANESE_LOCALE 900

// Icon groups, in resource order: a shortcut's IconIndex=N counts them from zero,
// so 129 to 133 are IconIndex=1 to 5.
#define IDR_MAINFRAME 128
#define IDI_ENVELOPE_WHITE 129
#define IDI_ENVELOPE_RED 130
#define IDI_ENVELOPE_BLUE 131
#define IDI_ENVELOPE_GREEN 132
#define IDI_ENVELOPE_CYAN 133

// Bitmaps, 32 x 18: the envelopes of icon choices 1 to 5, then the standard icon.
#define IDB_ENVELOPE_WHITE 134
#define IDB_ENVELOPE_RED 135
#define IDB_ENVELOPE_BLUE 136
#define IDB_ENVELOPE_GREEN 137
#define IDB_ENVELOPE_CYAN 138
#define IDB_STANDARD 139

// Main dialog controls
#define IDC_NAME 1000
#define IDC_ADDRESS 1001
#define IDC_SUBJECT 1002
#define IDC_FOLDER 1003
#define IDC_NEW_FOLDER 1004
#define IDC_CHANGE_ICON 1008
#define IDC_ICON_PREVIEW 1013

// Icon picker controls (ids of their own template)
#define IDC_PICK_WHITE 1006
#define IDC_PICK_RED 1007
#define IDC_PICK_BLUE 1008
#define IDC_PICK_GREEN 1009
#define IDC_PICK_CYAN 1010
#define IDC_PICK_STANDARD 1011

// Commands
#define IDM_ABOUTBOX 0x0010
