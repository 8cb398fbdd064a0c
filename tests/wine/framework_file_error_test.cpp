// A file error that escapes a handler is reported in a stop box and the dialog keeps
// running.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/file_error_report.h"
#include "framework/win_app.h"
#include "framework_box_watcher.h"
#include "framework_scripted_dialog.h"
#include "shortcut/file_error.h"

namespace {

// Shift-JIS path: "表" ends in the byte of "\".
const char kFullDiskPath[] = "D:\\fullvol\\表示 さんへ.url";

class ThrowingDialog : public ScriptedDialog {
public:
    int clicks = 0;

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const MessageMapEntry<ThrowingDialog> kMessageMap[];

    void OnButtonClick() {
        ++clicks;
        throw FileError(kFullDiskPath);
    }
};

const MessageMapEntry<ThrowingDialog> ThrowingDialog::kMessageMap[] = {
    OnCommand(BN_CLICKED, IDC_TEST_BUTTON, &ThrowingDialog::OnButtonClick),
};

// Defined after the table: routing needs to know its size.
MessageResult ThrowingDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (MessageResult result = RouteThroughMap(*this, kMessageMap, message, wParam, lParam)) {
        return result;
    }
    return ScriptedDialog::RouteMessage(message, wParam, lParam);
}

TEST(FileErrorReport, StopBoxCaptionedWithTheAppNameNamesThePathAndTheDialogRunsOn) {
    CWinApp app;
    ThrowingDialog dialog;
    SeenBox first, second;
    HWND window = nullptr;
    dialog.script = [&](ScriptedDialog& self) {
        window = self.GetSafeHwnd();
        {
            BoxWatcher watcher(GetCurrentThreadId(), IDOK);
            SendMessageA(self.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
            first = watcher.Seen();
        }
        // Still running: the next click is handled and reported again.
        BoxWatcher watcher(GetCurrentThreadId(), IDOK);
        SendMessageA(self.Item(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
        second = watcher.Seen();
    };
    EXPECT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);

    ASSERT_TRUE(first.found);
    EXPECT_EQ(first.caption, "ravlet_win32_tests");
    EXPECT_EQ(first.text,
              std::string(kFullDiskPath) + " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_EQ(first.icon, LoadIconA(nullptr, IDI_HAND));
    EXPECT_EQ(first.owner, window);
    EXPECT_TRUE(second.found);
    EXPECT_EQ(dialog.clicks, 2);
}

TEST(FileErrorReport, FillsInOnlyTheMessagesOwnPlaceholder) {
    EXPECT_EQ(DiskFullMessage("C:\\100%1\\a.url"),
              "C:\\100%1\\a.url へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_EQ(DiskFullMessage(""), " へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
}

}  // namespace
