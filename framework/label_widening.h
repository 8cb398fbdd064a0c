// Widens the one-line labels of a dialog whose text is wider than the label: the font
// the system substitutes for the template's may need more pixels than its designer's.
#pragma once

#include <windows.h>

// Every left-aligned text static of the dialog that is one line high and narrower than
// its text grows to the right, as far as the dialog and the controls beside it allow.
// Labels are never made narrower and never moved.
void WidenLabelsToTheirText(HWND dialog);
