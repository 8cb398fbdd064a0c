// The six icon choices, shared by the icon picker and the main dialog. The icon index
// is both the choice and what a shortcut names as IconIndex=N.
#pragma once

#include "res/resource.h"

struct IconChoiceEntry {
    int buttonId;   // the picker's button
    int bitmapId;   // the picture on that button and in the main dialog's preview
    int iconIndex;  // 0: the mail program's standard icon, no icon lines in the file
};

// Index = icon index; the picker's buttons stand in this order from the top.
inline constexpr IconChoiceEntry kIconChoices[] = {
    {IDC_PICK_STANDARD, IDB_STANDARD, 0},
    // A shortcut's IconIndex counts the program's icon groups from the application icon.
    {IDC_PICK_WHITE, IDB_ENVELOPE_WHITE, IDI_ENVELOPE_WHITE - IDR_MAINFRAME},
    {IDC_PICK_RED, IDB_ENVELOPE_RED, IDI_ENVELOPE_RED - IDR_MAINFRAME},
    {IDC_PICK_BLUE, IDB_ENVELOPE_BLUE, IDI_ENVELOPE_BLUE - IDR_MAINFRAME},
    {IDC_PICK_GREEN, IDB_ENVELOPE_GREEN, IDI_ENVELOPE_GREEN - IDR_MAINFRAME},
    {IDC_PICK_CYAN, IDB_ENVELOPE_CYAN, IDI_ENVELOPE_CYAN - IDR_MAINFRAME},
};
inline constexpr int kIconChoiceCount = 6;
static_assert(sizeof kIconChoices / sizeof kIconChoices[0] == kIconChoiceCount);

constexpr bool RowsStandInIconIndexOrder() {
    for (int i = 0; i < kIconChoiceCount; ++i) {
        if (kIconChoices[i].iconIndex != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsStandInIconIndexOrder(), "kIconChoices[i] must be the row of icon index i");
