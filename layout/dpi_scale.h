// The program's own pixel sizes are given for 96 dots per inch (100 % display scale);
// a window shown at another DPI gets them scaled.
#pragma once

constexpr int kDesignDpi = 96;

// pixelsAt96 * dpi / 96, rounded to the nearest pixel with halves away from zero, as
// the system's MulDiv rounds the dialog units. A DPI of 0 or less counts as 96.
int ScaleForDpi(int pixelsAt96, int dpi);
