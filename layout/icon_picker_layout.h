// Where the icon picker's window and its column of picture buttons go, in pixels. At
// 96 DPI the buttons are as large as their 32 x 18 pictures and the window leaves room
// for its frame; at other DPIs everything grows with the pictures.
#pragma once

struct IconPickerLayout {
    int windowWidth;
    int windowHeight;
    int buttonWidth;
    int buttonHeight;

    // The buttons stand edge to edge from the top, at x = 0.
    int ButtonTop(int row) const { return row * buttonHeight; }
};

IconPickerLayout IconPickerLayoutForDpi(int dpi);
