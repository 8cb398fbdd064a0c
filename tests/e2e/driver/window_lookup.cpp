#include "driver/window_lookup.h"

namespace e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;

struct DialogSearch {
    DWORD processId;
    HWND owner;
    std::vector<HWND> found;
};

bool IsVisibleDialog(HWND window) {
    return IsWindowVisible(window) && WindowClass(window) == "#32770";
}

BOOL CALLBACK CollectDialogsOfProcess(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<DialogSearch*>(search);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == s->processId && IsVisibleDialog(window)) {
        s->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectDialogsOfOwner(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<DialogSearch*>(search);
    if (GetWindow(window, GW_OWNER) == s->owner && IsVisibleDialog(window)) {
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

std::vector<HWND> VisibleDialogsOf(DWORD processId) {
    DialogSearch search{processId, nullptr, {}};
    EnumWindows(CollectDialogsOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    DialogSearch search{0, owner, {}};
    EnumWindows(CollectDialogsOfOwner, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
