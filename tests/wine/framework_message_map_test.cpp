// The message map routes real control notifications of a running dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework_scripted_dialog.h"

namespace {

constexpr UINT kCustomMessage = WM_APP + 1;
constexpr UINT kDefaultMessage = WM_APP + 2;

class RoutingDialog : public ScriptedDialog {
public:
    using ScriptedDialog::ScriptedDialog;
    std::vector<std::string> heard;

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override { heard.push_back("OnOK"); }

private:
    static const MessageMapEntry<RoutingDialog> kMessageMap[];

    void OnEditChange() { heard.push_back("edit changed"); }
    void OnButtonClick() { heard.push_back("button clicked"); }
    MessageResult OnCustom(WPARAM wParam, LPARAM) {
        heard.push_back("custom");
        return static_cast<LRESULT>(wParam * 2);
    }
    MessageResult OnDefault(WPARAM, LPARAM) {
        heard.push_back("left to default");
        return std::nullopt;
    }
    MessageResult OnQueryDragIcon(WPARAM, LPARAM) { return 0x5678; }
};

const MessageMapEntry<RoutingDialog> RoutingDialog::kMessageMap[] = {
    OnCommand(EN_CHANGE, IDC_TEST_EDIT, &RoutingDialog::OnEditChange),
    OnCommand(BN_CLICKED, IDC_TEST_BUTTON, &RoutingDialog::OnButtonClick),
    OnMessage(kCustomMessage, &RoutingDialog::OnCustom),
    OnMessage(kDefaultMessage, &RoutingDialog::OnDefault),
    OnMessage(WM_QUERYDRAGICON, &RoutingDialog::OnQueryDragIcon),
};

// Defined after the table: routing needs to know its size.
MessageResult RoutingDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (MessageResult result = RouteThroughMap(*this, kMessageMap, message, wParam, lParam)) {
        return result;
    }
    return ScriptedDialog::RouteMessage(message, wParam, lParam);
}

TEST(MessageMap, RoutesEachNotificationToTheEntryOfItsControlAndCode) {
    RoutingDialog dialog;
    std::vector<std::string> afterEdit, afterClick, afterMismatch;
    dialog.script = [&](ScriptedDialog& self) {
        SetWindowTextA(self.Item(IDC_TEST_EDIT), "typed");  // a real EN_CHANGE
        afterEdit = dialog.heard;
        SendMessageA(self.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);  // a real BN_CLICKED
        afterClick = dialog.heard;
        // The button's id with the edit's code, and the edit's id with the button's
        // code, match no entry.
        SendMessageA(self.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, EN_CHANGE),
                     reinterpret_cast<LPARAM>(self.Item(IDC_TEST_BUTTON)));
        SendMessageA(self.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(self.Item(IDC_TEST_EDIT)));
        afterMismatch = dialog.heard;
    };
    EXPECT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    EXPECT_EQ(afterEdit, std::vector<std::string>{"edit changed"});
    EXPECT_EQ(afterClick, (std::vector<std::string>{"edit changed", "button clicked"}));
    EXPECT_EQ(afterMismatch, afterClick);
}

TEST(MessageMap, GivesTheSenderTheHandlersResult) {
    RoutingDialog dialog;
    LRESULT custom = 0, leftToDefault = -1, dragIcon = 0;
    dialog.script = [&](ScriptedDialog& self) {
        custom = SendMessageA(self.GetSafeHwnd(), kCustomMessage, 21, 0);
        leftToDefault = SendMessageA(self.GetSafeHwnd(), kDefaultMessage, 0, 0);
        // Answered by the dialog procedure's return value, not DWLP_MSGRESULT.
        dragIcon = SendMessageA(self.GetSafeHwnd(), WM_QUERYDRAGICON, 0, 0);
    };
    dialog.DoModal();
    EXPECT_EQ(custom, 42);
    EXPECT_EQ(leftToDefault, 0);
    EXPECT_EQ(dragIcon, 0x5678);
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"custom", "left to default"}));
}

TEST(MessageMap, OkButtonRunsTheDialogsOnOKWhichNeedNotEndIt) {
    // Ending a modal dialog gives its owner back the input: the owner shows it.
    const HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    RoutingDialog dialog(owner);
    bool runningAfterOk = false;
    dialog.script = [&](ScriptedDialog& self) {
        SendMessageA(self.Item(IDOK), BM_CLICK, 0, 0);
        runningAfterOk = IsWindowEnabled(owner) == FALSE;
    };
    EXPECT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    DestroyWindow(owner);
    EXPECT_TRUE(runningAfterOk);
    EXPECT_EQ(dialog.heard, std::vector<std::string>{"OnOK"});
}

TEST(MessageMap, CancelEndsTheDialogWithIdCancel) {
    RoutingDialog dialog;
    dialog.endAfterScript = false;
    dialog.script = [](ScriptedDialog& self) { PostMessageA(self.Item(IDCANCEL), BM_CLICK, 0, 0); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(MessageMap, EscapeEndsTheDialogWithIdCancel) {
    RoutingDialog dialog;
    dialog.endAfterScript = false;
    dialog.script = [](ScriptedDialog& self) {
        // Through the dialog manager's keyboard handling, as a key press arrives.
        SetFocus(self.Item(IDC_TEST_EDIT));
        PostMessageA(self.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, IsFoundByItsWindowOnlyWhileTheWindowLives) {
    EXPECT_EQ(CDialog::FromHandle(GetDesktopWindow()), nullptr);
    ScriptedDialog dialog;
    CDialog* found = nullptr;
    HWND window = nullptr;
    dialog.script = [&](ScriptedDialog& self) {
        window = self.GetSafeHwnd();
        found = CDialog::FromHandle(window);
    };
    dialog.DoModal();
    EXPECT_EQ(found, &dialog);
    EXPECT_EQ(CDialog::FromHandle(window), nullptr);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

}  // namespace
