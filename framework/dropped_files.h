// Files dropped from Explorer on a dialog: accepting them, also while the program runs
// elevated, and taking the paths of one drop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Makes the window accept drops. An elevated program does not get messages from
// Explorer's lower integrity level unless it lets them through: exactly the three a
// drop takes (WM_DROPFILES, WM_COPYDATA, WM_COPYGLOBALDATA), and nothing else.
void AcceptDroppedFiles(HWND window);

// The paths of a WM_DROPFILES, as UTF-16. The drop is released on every path; a window
// that is disabled (a modal box or dialog of it is up) takes nothing from it.
std::vector<std::wstring> TakeDroppedPaths(HWND window, WPARAM drop);
