#include "driver/ravlet_test.h"

#include <algorithm>

#include "driver/button.h"
#include "driver/combo_box.h"
#include "driver/folder_browser.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"

namespace e2e {

const char kMainCaption[] = "mailtoショートカット作成";

void RavletTest::SetUp() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parametrised tests have "/" in their names.
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    folder_ = FreshFolder(name);
    exe_ = folder_ + "\\ravlet.exe";
    ASSERT_TRUE(CopyFileA(BuiltRavletExe().c_str(), exe_.c_str(), FALSE))
        << "cannot copy " << BuiltRavletExe() << " to " << exe_;
    StartRavlet();
}

void RavletTest::TearDown() {
    program_.reset();  // kills the program if a test left it running
}

void RavletTest::StartRavlet() {
    StartRavletAs("\"" + exe_ + "\"", exe_.substr(0, exe_.find_last_of('\\')));
}

void RavletTest::StartRavletAs(const std::string& commandLine, const std::string& workingFolder) {
    program_ = std::make_unique<LaunchedProgram>(exe_, commandLine, workingFolder);
    ASSERT_TRUE(program_->Started());
    const DWORD pid = program_->ProcessId();
    dialog_ = PollUntil([&] { return FindDialog(pid, kMainCaption); });
    ASSERT_TRUE(dialog_) << "no visible dialog captioned " << kMainCaption;
}

void RavletTest::QuitWithEscape() {
    SetForegroundWindow(dialog_);
    ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == dialog_; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs)) << "Escape did not end the program";
}

std::string RavletTest::Text(int id) const {
    return WindowText(Control(id));
}

HWND RavletTest::Focus() const {
    return FocusedWindowOf(dialog_);
}

::testing::AssertionResult RavletTest::FocusSettlesOn(int id) const {
    HWND expected = Control(id);
    if (PollUntil([&] { return Focus() == expected; }, 5000)) {
        return ::testing::AssertionSuccess();
    }
    HWND actual = Focus();
    return ::testing::AssertionFailure()
           << "focus is on control " << (actual ? GetDlgCtrlID(actual) : 0) << " (class "
           << (actual ? WindowClass(actual) : "none") << "), not on " << id;
}

void RavletTest::TypeInto(int id, const std::string& text) {
    ASSERT_TRUE(FocusControl(Control(id))) << "cannot put the focus on control " << id;
    TypeKeys(text);
    ASSERT_TRUE(PollUntil([&] { return Text(id) == text; }))
        << "control " << id << " shows \"" << Text(id) << "\" after typing \"" << text << "\"";
}

void RavletTest::FillIn(const std::string& address, const std::string& subject) {
    if (!address.empty()) {
        ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, address));
    }
    if (!subject.empty()) {
        ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, subject));
    }
}

void RavletTest::CreateAndExpectBox(MessageBoxView& box) {
    PostClick(Control(IDOK));
    box = WaitForMessageBox(dialog_);
    ASSERT_TRUE(box.window) << "作成 brought up no message box";
}

void RavletTest::CreateSuccessfully(const std::string& address) {
    MessageBoxView box;
    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(box));
    ASSERT_EQ(box.text, address + " さんへのショートカットが作成されました");
    ASSERT_EQ(box.caption, "完了");
    AnswerMessageBox(box, IDOK);
}

HWND RavletTest::WaitForAboutBox() const {
    return PollUntil([&] { return DialogOwnedBy(dialog_, "ravlet"); });
}

HWND RavletTest::OpenAboutBox() const {
    PostMessageA(dialog_, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    return WaitForAboutBox();
}

void RavletTest::AddDestination(const std::string& folder) {
    PostClick(Control(IDC_NEW_FOLDER));
    HWND browser = WaitForFolderBrowser(dialog_);
    ASSERT_TRUE(browser) << "新しい保存先を指定 opened no folder browser";
    // The program's browser callback shows the highlighted folder's path.
    ASSERT_TRUE(HighlightFolder(browser, folder))
        << "the status line shows \"" << BrowserStatusText(browser) << "\", not " << folder;
    SaveScreenshot(browser, "folder-browser");
    ASSERT_TRUE(AcceptFolder(browser));
    const bool selected = PollUntil([&] {
        const int at = SelectedDestination();
        const auto items = Destinations();
        return at >= 0 && at < static_cast<int>(items.size()) && items[at] == folder;
    });
    if (!selected) {
        std::string list;
        for (const auto& item : Destinations()) {
            list += "\n  " + item;
        }
        FAIL() << folder << " did not become the selected destination; selected "
               << SelectedDestination() << " of:" << list;
    }
}

std::vector<std::string> RavletTest::Destinations() const {
    return ComboItems(Control(IDC_FOLDER));
}

int RavletTest::SelectedDestination() const {
    return ComboSelection(Control(IDC_FOLDER));
}

std::string RavletTest::Outbox() {
    const std::string outbox = folder_ + "\\out";
    CreateDirectoryA(outbox.c_str(), nullptr);
    return outbox;
}

}  // namespace e2e
