// Finds the message box that a dialog's thread shows, notes what it says and presses
// one of its buttons, from a second thread while the box's own loop runs.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
};

class BoxWatcher {
public:
    // Presses button (IDOK, IDCANCEL, ...) of the first visible box of that thread.
    BoxWatcher(DWORD uiThreadId, int button)
        : thread_([this, uiThreadId, button] { Watch(uiThreadId, button); }) {}
    ~BoxWatcher() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Waits for the watcher to finish; what it saw.
    const SeenBox& Seen() {
        if (thread_.joinable()) {
            thread_.join();
        }
        return seen_;
    }

private:
    static std::string TextOf(HWND hwnd) {
        char buffer[1024] = {};
        GetWindowTextA(hwnd, buffer, sizeof buffer);
        return buffer;
    }

    static BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
        char className[16] = {};
        GetClassNameA(hwnd, className, sizeof className);
        if (std::string(className) == "#32770" && IsWindowVisible(hwnd) &&
            GetDlgItem(hwnd, 0xFFFF) != nullptr) {
            *reinterpret_cast<HWND*>(param) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static BOOL CALLBACK FindIcon(HWND hwnd, LPARAM param) {
        if ((GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            *reinterpret_cast<HICON*>(param) =
                reinterpret_cast<HICON>(SendMessageA(hwnd, STM_GETICON, 0, 0));
            return FALSE;
        }
        return TRUE;
    }

    void Watch(DWORD uiThreadId, int button) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        HWND box = nullptr;
        while (box == nullptr && std::chrono::steady_clock::now() < deadline) {
            EnumThreadWindows(uiThreadId, &BoxWatcher::FindBox, reinterpret_cast<LPARAM>(&box));
            if (box == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        if (box == nullptr) {
            return;
        }
        seen_.found = true;
        seen_.caption = TextOf(box);
        seen_.text = TextOf(GetDlgItem(box, 0xFFFF));
        seen_.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, &BoxWatcher::FindIcon, reinterpret_cast<LPARAM>(&seen_.icon));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }

    SeenBox seen_;
    std::thread thread_;
};
