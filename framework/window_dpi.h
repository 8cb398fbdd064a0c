// The DPI a window is shown at, on every Windows this program runs on.
#pragma once

#include <windows.h>

// GetDpiForWindow where the system has it (Windows 10 1607 and later, looked up at run
// time so that older systems still start the program); otherwise the screen's
// LOGPIXELSY, the one DPI of older systems.
int WindowDpi(HWND window);

// Posted to a dialog of ours once the system has handled WM_DPICHANGED (and, for a
// dialog, laid out its template again); wParam is the new DPI. Pixel sizes of our own
// are laid out again on it.
constexpr UINT kDpiLayoutChanged = WM_APP + 0x3D0;
