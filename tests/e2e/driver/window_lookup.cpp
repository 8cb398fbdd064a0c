#include "driver/window_lookup.h"

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;

constexpr char kDialogClass[] = "#32770";

struct WindowSearch {
    DWORD processId;
    HWND owner;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowsOfProcess(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<WindowSearch*>(search);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == s->processId && IsWindowVisible(window) && WindowClass(window) == s->className) {
        s->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectDialogsOfOwner(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<WindowSearch*>(search);
    if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window) &&
        WindowClass(window) == s->className) {
        s->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::string WindowClass(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId, const std::string& className) {
    WindowSearch search{processId, nullptr, className, {}};
    EnumWindows(CollectWindowsOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleWindowOf(DWORD processId, const std::string& className) {
    const std::vector<HWND> windows = VisibleWindowsOf(processId, className);
    return windows.empty() ? nullptr : windows.front();
}

std::vector<HWND> VisibleDialogsOf(DWORD processId) {
    return VisibleWindowsOf(processId, kDialogClass);
}

HWND FindDialog(DWORD processId, const std::string& caption) {
    for (HWND dialog : VisibleDialogsOf(processId)) {
        if (WindowText(dialog) == caption) {
            return dialog;
        }
    }
    return nullptr;
}

std::vector<HWND> DialogsOwnedBy(HWND owner) {
    WindowSearch search{0, owner, kDialogClass, {}};
    EnumWindows(CollectDialogsOfOwner, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND DialogOwnedBy(HWND owner, const std::string& caption) {
    for (HWND dialog : DialogsOwnedBy(owner)) {
        if (WindowText(dialog) == caption) {
            return dialog;
        }
    }
    return nullptr;
}

HWND ChildWithClass(HWND parent, int id, const char* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id && lstrcmpiA(WindowClass(child).c_str(), className) == 0) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace e2e
