// Pressing buttons of another process's dialogs.
#pragma once

#include <windows.h>

namespace e2e {

// Clicks and returns when the click has been handled. Only for buttons whose command
// returns at once: a button that opens a modal window would hold the driver up.
inline void Click(HWND button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
}

// Clicks without waiting, for a button that opens a modal window or a message box.
inline void PostClick(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace e2e
