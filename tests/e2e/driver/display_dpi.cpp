#include "driver/display_dpi.h"

namespace e2e {
namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kLogPixels[] = "LogPixels";

}  // namespace

DisplayDpiSetting::DisplayDpiSetting(int dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExA(key, kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD) {
        previous_ = value;
    }
    value = static_cast<DWORD>(dpi);
    applied_ = RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                              sizeof value) == ERROR_SUCCESS;
    RegCloseKey(key);
}

DisplayDpiSetting::~DisplayDpiSetting() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
        return;
    }
    if (previous_) {
        DWORD value = *previous_;
        RegSetValueExA(key, kLogPixels, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                       sizeof value);
    } else {
        RegDeleteValueA(key, kLogPixels);
    }
    RegCloseKey(key);
}

void ReadWindowsInScreenPixels() {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const FARPROC found =
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext");
    if (found) {
        reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(found))(
            DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
}

}  // namespace e2e
