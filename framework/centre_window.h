// Placement of a dialog that its template leaves where it is.
#pragma once

#include <windows.h>

// Centres the window over its owner, or over the screen's work area when the owner is
// missing, hidden or minimised, keeping it inside that work area.
void CentreOverOwner(HWND hwnd);
