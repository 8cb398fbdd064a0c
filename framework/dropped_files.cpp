#include "framework/dropped_files.h"

#include <shellapi.h>

namespace {

constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, which no header defines
constexpr DWORD kMessageFilterAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD of Vista

// Gives the drop handle back to the system however the caller leaves.
class DropOwner {
public:
    explicit DropOwner(HDROP drop) : drop_(drop) {}
    DropOwner(const DropOwner&) = delete;
    DropOwner& operator=(const DropOwner&) = delete;
    ~DropOwner() { DragFinish(drop_); }

    HDROP get() const { return drop_; }

private:
    HDROP drop_;
};

// Windows 7 and later filter per window; Vista only per process. Both are looked up
// at run time, so that the program still starts where neither exists.
void LetDropMessagesThrough(HWND window) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) {
        return;
    }
    using PerWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using PerProcess = BOOL(WINAPI*)(UINT, DWORD);
    const UINT messages[] = {WM_DROPFILES, WM_COPYDATA, kCopyGlobalData};
    if (const auto perWindow = reinterpret_cast<PerWindow>(
            reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")))) {
        for (const UINT message : messages) {
            perWindow(window, message, kMessageFilterAllow, nullptr);
        }
        return;
    }
    if (const auto perProcess = reinterpret_cast<PerProcess>(
            reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")))) {
        for (const UINT message : messages) {
            perProcess(message, kMessageFilterAllow);
        }
    }
}

}  // namespace

void AcceptDroppedFiles(HWND window) {
    LetDropMessagesThrough(window);
    DragAcceptFiles(window, TRUE);
}

std::vector<std::wstring> TakeDroppedPaths(HWND window, WPARAM drop) {
    const DropOwner owner(reinterpret_cast<HDROP>(drop));
    std::vector<std::wstring> paths;
    if (!IsWindowEnabled(window)) {
        return paths;
    }
    const UINT count = DragQueryFileW(owner.get(), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(owner.get(), i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(owner.get(), i, &path[0], length + 1));
        paths.push_back(path);
    }
    return paths;
}
