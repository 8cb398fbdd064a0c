// A test dialog that runs a piece of test code inside its own modal loop, then ends.
#pragma once

#include <functional>

#include "framework/dialog.h"
#include "framework_test_dialogs.h"

class ScriptedDialog : public CDialog {
public:
    static constexpr INT_PTR kScriptDone = 100;

    explicit ScriptedDialog(HWND owner = nullptr, int templateId = IDD_TEST_HIDDEN)
        : CDialog(templateId, owner) {}

    // Runs inside OnInitDialog, after the controls are bound.
    std::function<void(ScriptedDialog&)> onInit;
    // Runs from the dialog's message loop; the dialog then ends with kScriptDone when
    // endAfterScript is set.
    std::function<void(ScriptedDialog&)> script;
    bool endAfterScript = true;

    using CDialog::EndDialog;

    HWND Item(int id) const { return GetDlgItem(GetSafeHwnd(), id); }

protected:
    static constexpr UINT kRunScript = WM_APP + 100;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) {
            onInit(*this);
        }
        PostMessageA(GetSafeHwnd(), kRunScript, 0, 0);
        return TRUE;
    }

    MessageResult RouteMessage(UINT message, WPARAM, LPARAM) override {
        if (message != kRunScript) {
            return std::nullopt;
        }
        if (script) {
            script(*this);
        }
        if (endAfterScript) {
            EndDialog(kScriptDone);
        }
        return 0;
    }
};
