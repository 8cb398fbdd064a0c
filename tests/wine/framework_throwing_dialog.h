// A test dialog whose button runs a handler that raises something.
#pragma once

#include <functional>

#include "framework_scripted_dialog.h"

class ThrowingDialog : public ScriptedDialog {
public:
    // Runs on each click of IDC_TEST_BUTTON; it is meant to throw.
    std::function<void()> raise;
    int clicks = 0;

    void ClickButton() { SendMessageA(Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0); }

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_TEST_BUTTON &&
            HIWORD(wParam) == BN_CLICKED) {
            ++clicks;
            raise();
            return 0;
        }
        return ScriptedDialog::RouteMessage(message, wParam, lParam);
    }
};
