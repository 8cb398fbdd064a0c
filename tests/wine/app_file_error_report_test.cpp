// A file error that escapes a handler is reported in a stop box and the dialog keeps
// running.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/file_error_report.h"
#include "framework/message_boxes.h"
#include "framework/win_app.h"
#include "framework_box_watcher.h"
#include "framework_throwing_dialog.h"
#include "res/resource.h"
#include "shortcut/file_error.h"

namespace {

// Shift-JIS path: "表" ends in the byte of "\".
const char kFullDiskPath[] = "D:\\fullvol\\表示 さんへ.url";

// Answers a handler's error as the program's application object does.
class ReportingApp : public CWinApp {
public:
    bool ProcessWndProcException(HWND window, const std::exception_ptr& error) override {
        return ReportFileError(window, error);
    }
};

TEST(FileErrorReport, StopBoxCaptionedWithTheAppNameNamesThePathAndTheDialogRunsOn) {
    ReportingApp app;
    ThrowingDialog dialog;
    dialog.raise = [] { throw FileError(kFullDiskPath); };
    SeenBox first, second;
    HWND window = nullptr;
    dialog.script = [&](ScriptedDialog&) {
        window = dialog.GetSafeHwnd();
        {
            BoxWatcher watcher(GetCurrentThreadId(), IDOK);
            dialog.ClickButton();
            first = watcher.Seen();
        }
        // Still running: the next click is handled and reported again.
        BoxWatcher watcher(GetCurrentThreadId(), IDOK);
        dialog.ClickButton();
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

TEST(FileErrorReport, LeavesEveryOtherErrorToTheProgram) {
    // Returns at once: a box would wait for a click that never comes.
    EXPECT_FALSE(ReportFileError(nullptr, std::make_exception_ptr(std::runtime_error("x"))));
    EXPECT_FALSE(ReportFileError(nullptr, std::make_exception_ptr(42)));
}

TEST(FileErrorReport, FillsInOnlyTheMessagesOwnPlaceholder) {
    EXPECT_EQ(FormatResourceMessage(IDS_FILE_ERROR_DISK_FULL, "C:\\100%1\\a.url"),
              L"C:\\100%1\\a.url へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    EXPECT_EQ(FormatResourceMessage(IDS_FILE_ERROR_DISK_FULL, ""),
              L" へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
}

}  // namespace
