// How wide a one-line label must be to show its whole text. Dialog templates give sizes
// in dialog units, but the font behind them is whatever the system substitutes: a text
// may need a few pixels more than its label has, and a label that wraps hides the rest.
#pragma once

#include <vector>

// A rectangle in a dialog's client area, in pixels; right and bottom lie outside.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

// The label's new width: as wide as its text needs, but never narrower than it is, never
// into a control on its right that shares some of its rows, and never past the dialog's
// client width.
int FittedLabelWidth(const PixelBox& label, int textWidth, int clientWidth,
                     const std::vector<PixelBox>& otherControls);
