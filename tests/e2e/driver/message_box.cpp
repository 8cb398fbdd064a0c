#include "driver/message_box.h"

#include <gtest/gtest.h>

#include "driver/button.h"
#include "driver/poll.h"
#include "driver/window_lookup.h"

namespace e2e {
namespace {

// Message boxes carry their text in a static with id 0xFFFF; the icon picker and the
// folder browser, also dialogs owned by the main dialog, have none.
HWND TextOfMessageBox(HWND dialog) {
    return ChildWithClass(dialog, 0xFFFF, "Static");
}

HWND FindMessageBox(HWND owner) {
    for (HWND dialog : DialogsOwnedBy(owner)) {
        if (TextOfMessageBox(dialog)) {
            return dialog;
        }
    }
    return nullptr;
}

std::vector<int> VisibleButtons(HWND dialog) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && lstrcmpiA(WindowClass(child).c_str(), "Button") == 0) {
            ids.push_back(GetDlgCtrlID(child));
        }
    }
    return ids;
}

}  // namespace

MessageBoxView WaitForMessageBox(HWND owner) {
    MessageBoxView box;
    box.window = PollUntil([&] { return FindMessageBox(owner); });
    if (box.window) {
        box.caption = WindowText(box.window);
        box.text = WindowText(TextOfMessageBox(box.window));
        box.buttons = VisibleButtons(box.window);
    }
    return box;
}

bool HasNoMessageBox(HWND owner) {
    return FindMessageBox(owner) == nullptr;
}

void AnswerMessageBox(const MessageBoxView& box, int buttonId) {
    ASSERT_TRUE(box.window) << "no message box to answer";
    HWND button = GetDlgItem(box.window, buttonId);
    ASSERT_TRUE(button) << "the message box has no button " << buttonId;
    // Answering may open the next box at once: post, so the driver is never caught in it.
    PostClick(button);
    ASSERT_TRUE(PollUntil([&] { return !IsWindow(box.window); }))
        << "the message box did not close after button " << buttonId;
}

}  // namespace e2e
