#include "framework/centre_window.h"

#include <algorithm>

namespace {

RECT WorkAreaOf(HWND hwnd) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

}  // namespace

void CentreOverOwner(HWND hwnd) {
    const HWND owner = GetWindow(hwnd, GW_OWNER);
    const RECT workArea = WorkAreaOf(owner != nullptr ? owner : hwnd);
    RECT around = workArea;
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    }
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    // Keep it on the work area; its top-left corner wins when it is too big.
    x = std::max<int>(workArea.left, std::min<int>(x, workArea.right - width));
    y = std::max<int>(workArea.top, std::min<int>(y, workArea.bottom - height));
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
