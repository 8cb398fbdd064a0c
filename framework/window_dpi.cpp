#include "framework/window_dpi.h"

#include "layout/dpi_scale.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction SystemGetDpiForWindow() {
    static const GetDpiForWindowFunction function = [] {
        const HMODULE user32 = GetModuleHandleA("user32.dll");
        const FARPROC found = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        // Through a function type without parameters: the one cast GCC does not question.
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
    }();
    return function;
}

}  // namespace

int WindowDpi(HWND window) {
    if (const GetDpiForWindowFunction getDpi = SystemGetDpiForWindow()) {
        if (const UINT dpi = getDpi(window)) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDesignDpi;
}
