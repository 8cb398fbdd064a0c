// Where a child window stands, for tests that measure what a dialog shows.
#pragma once

#include <windows.h>

// The child's rectangle in the parent's client coordinates.
inline RECT RectInClient(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
