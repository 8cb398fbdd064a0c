#include "framework/help_key.h"

#include "framework/dialog.h"
#include "framework/framework_ids.h"

namespace {

bool IsKeyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

bool IsPlainF1(const MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && !IsKeyDown(VK_SHIFT) &&
           !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU);
}

LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
        if (IsPlainF1(msg)) {
            const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
            if (CDialog* dialog = CDialog::FromHandle(root)) {
                SendMessageA(dialog->GetSafeHwnd(), WM_COMMAND, ID_HELP, 0);
                return TRUE;  // handled: the control never sees the key
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

HelpKey::HelpKey()
    : hook_(SetWindowsHookExA(WH_MSGFILTER, &FilterMessage, nullptr, GetCurrentThreadId())) {}

HelpKey::~HelpKey() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
    }
}
