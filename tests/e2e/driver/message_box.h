// The message boxes of the program under test, as the user sees them: caption, text,
// buttons. Boxes are found as dialogs owned by the window that asks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // ids of the visible push buttons (IDOK, IDRETRY, ...)
};

// Waits for a message box owned by owner; window is null if none came.
MessageBoxView WaitForMessageBox(HWND owner);

// True when owner shows no message box at the moment.
bool HasNoMessageBox(HWND owner);

// Presses a button of the box and waits until the box has gone.
void AnswerMessageBox(const MessageBoxView& box, int buttonId);

}  // namespace e2e
