#include "driver/keyboard.h"

#include <vector>

#include "driver/poll.h"

namespace e2e {
namespace {

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT>& inputs) {
    if (!inputs.empty()) {
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

}  // namespace

void TypeKeys(const std::string& ansiText) {
    const int units = MultiByteToWideChar(CP_ACP, 0, ansiText.data(),
                                          static_cast<int>(ansiText.size()), nullptr, 0);
    std::wstring wide(units, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansiText.data(), static_cast<int>(ansiText.size()), wide.data(),
                        units);
    TypeWideKeys(wide);
}

void TypeWideKeys(const std::wstring& wide) {
    std::vector<INPUT> inputs;
    for (wchar_t unit : wide) {
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void PressKey(WORD virtualKey) {
    std::vector<INPUT> inputs = {KeyInput(virtualKey, 0, 0),
                                 KeyInput(virtualKey, 0, KEYEVENTF_KEYUP)};
    Send(inputs);
}

HWND FocusedWindowOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool FocusControl(HWND control) {
    HWND dialog = GetAncestor(control, GA_ROOT);
    SetForegroundWindow(dialog);
    if (!PollUntil([&] { return GetForegroundWindow() == dialog; })) {
        return false;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE,
                        SMTO_ABORTIFHUNG, 5000, &ignored);
    return PollUntil([&] { return FocusedWindowOf(dialog) == control; });
}

}  // namespace e2e
