// F1 opens the page of the dialog in ravlet.chm beside the program; without that file
// it goes the old way, to Windows Help, when ravlet.HLP lies there. A help file that the
// viewer would show blank is explained instead, and a winhlp32.exe beside the program is
// never started.
#include "driver/button.h"
#include "driver/icon_picker.h"
#include "driver/keyboard.h"
#include "driver/message_box.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"

#include <algorithm>
#include <string>
#include <vector>

namespace e2e {
namespace {

const char kViewerClass[] = "HH Parent";
const char kHelpTitle[] = "ravlet ヘルプ";
const char kHelpFailed[] = "ﾍﾙﾌﾟの起動に失敗しました。";

// The visible HTML Help viewer of a process, or null.
HWND ViewerOf(DWORD processId) {
    return VisibleWindowOf(processId, kViewerClass);
}

class Help : public RavletTest {
protected:
    void InstallHelpFile() {
        const std::string chm = folder_ + "\\ravlet.chm";
        ASSERT_TRUE(CopyFileA("D:\\ravlet.chm", chm.c_str(), FALSE))
            << "no ravlet.chm in the build folder to copy to " << chm;
    }

    // A stand-in for the old Windows Help file: only its presence matters.
    void InstallWindowsHelpFile() {
        const std::string hlp = folder_ + "\\ravlet.HLP";
        HANDLE file = CreateFileA(hlp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << hlp;
        CloseHandle(file);
    }

    // Marks the help file as Explorer marks what a browser downloaded (under Wine the
    // stream is a file of that name beside it).
    void MarkHelpFileWithZone(int zoneId) {
        const std::string stream = folder_ + "\\ravlet.chm:Zone.Identifier";
        const std::string text = "[ZoneTransfer]\r\nZoneId=" + std::to_string(zoneId) +
                                 "\r\nReferrerUrl=https://example.jp/\r\n";
        HANDLE file = CreateFileA(stream.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << stream;
        DWORD written = 0;
        EXPECT_TRUE(
            WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
        CloseHandle(file);
    }

    // Brings window to the front and presses F1 there.
    void PressF1In(HWND window) {
        SetForegroundWindow(window);
        ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == window; }))
            << "cannot bring the window to the front";
        PressKey(VK_F1);
    }

    // Expects the viewer to open on F1 in window, titled after the help file, without
    // any message box; keeps a picture of it and closes it.
    void ExpectViewerOnF1(HWND window, const std::string& screenshot) {
        PressF1In(window);
        HWND viewer = PollUntil([&] { return ViewerOf(program_->ProcessId()); });
        ASSERT_TRUE(viewer) << "F1 opened no help viewer";
        EXPECT_EQ(WindowText(viewer), kHelpTitle);
        EXPECT_TRUE(HasNoMessageBox(window));
        // The picture waits for the viewer's panes.
        EXPECT_TRUE(PollUntil([&] { return FindWindowExA(viewer, nullptr, nullptr, nullptr); }));
        SaveScreenshot(viewer, screenshot);
        PostMessageA(viewer, WM_CLOSE, 0, 0);
        EXPECT_TRUE(PollUntil([&] { return !IsWindow(viewer); }));
        EXPECT_TRUE(program_->Running());
    }
    // F1 in the main dialog brings up one box, captioned with the program's name, that
    // holds each of parts, and opens no viewer, not even once the box is answered.
    void ExpectExplanationOnF1(const std::string& screenshot,
                               std::initializer_list<const char*> parts) {
        PressF1In(Dialog());
        const MessageBoxView box = WaitForMessageBox(Dialog());
        ASSERT_TRUE(box.window) << "F1 showed no box (" << screenshot << ")";
        SaveScreenshot(box.window, screenshot);
        EXPECT_EQ(box.caption, "ravlet");
        for (const char* part : parts) {
            EXPECT_NE(box.text.find(part), std::string::npos)
                << part << " missing in: " << box.text;
        }
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(ViewerOf(program_->ProcessId()), nullptr);
        AnswerMessageBox(box, IDOK);
        EXPECT_EQ(ViewerOf(program_->ProcessId()), nullptr);
    }
};

TEST_F(Help, F1InTheMainDialogOpensItsPage) {
    ASSERT_NO_FATAL_FAILURE(InstallHelpFile());
    ExpectViewerOnF1(Dialog(), "help-viewer-main");
}

TEST_F(Help, F1InTheIconPickerOpensItsPage) {
    ASSERT_NO_FATAL_FAILURE(InstallHelpFile());
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ExpectViewerOnF1(picker, "help-viewer-picker");
    PressF1In(picker);  // the picker still answers, and a second F1 opens it again
    EXPECT_TRUE(PollUntil([&] { return ViewerOf(program_->ProcessId()); }));
}

TEST_F(Help, F1InTheAboutBoxOpensItsPage) {
    ASSERT_NO_FATAL_FAILURE(InstallHelpFile());
    HWND about = OpenAboutBox();
    ASSERT_TRUE(about) << "no About box";
    ExpectViewerOnF1(about, "help-viewer-about");
}

TEST_F(Help, TheViewerOutlivesThePickerThatAskedForIt) {
    ASSERT_NO_FATAL_FAILURE(InstallHelpFile());
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    PressF1In(picker);
    HWND viewer = PollUntil([&] { return ViewerOf(program_->ProcessId()); });
    ASSERT_TRUE(viewer);
    // A click, not Escape: the viewer may still be taking the keyboard.
    ASSERT_TRUE(PickIcon(picker, 2));
    EXPECT_TRUE(IsWindow(viewer));
    EXPECT_TRUE(program_->Running());
}

TEST_F(Help, F1WithAHelpFileFromTheInternetExplainsTheBlockInsteadOfOpeningIt) {
    InstallHelpFile();
    MarkHelpFileWithZone(3);
    ASSERT_NO_FATAL_FAILURE(
        ExpectExplanationOnF1("help-blocked", {"ravlet.chm", "許可する", "ブロックの解除"}));
    EXPECT_TRUE(program_->Running());
}

TEST_F(Help, F1WithTheProgramOnANetworkDriveExplainsInsteadOfOpeningIt) {
    const std::string share = NetworkDrive() + "ravlet";
    CreateDirectoryA(share.c_str(), nullptr);
    ASSERT_EQ(GetDriveTypeA(NetworkDrive().c_str()), static_cast<UINT>(DRIVE_REMOTE))
        << "the Wine session has no network drive " << NetworkDrive();
    program_.reset();
    exe_ = share + "\\ravlet.exe";
    ASSERT_TRUE(CopyFileA(BuiltRavletExe().c_str(), exe_.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA("D:\\ravlet.chm", (share + "\\ravlet.chm").c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_NO_FATAL_FAILURE(
        ExpectExplanationOnF1("help-on-network", {"ravlet.chm", "ネットワーク", "コピー"}));
}

// Where the machine sets no limit, the viewer shows only files of this computer.
TEST_F(Help, F1WithAHelpFileFromTheIntranetExplainsTheBlockToo) {
    InstallHelpFile();
    MarkHelpFileWithZone(2);
    ASSERT_NO_FATAL_FAILURE(ExpectExplanationOnF1("help-blocked-intranet", {"ravlet.chm"}));
}

TEST_F(Help, AWindowsHelpViewerBesideTheProgramIsNeverStarted) {
    ASSERT_NO_FATAL_FAILURE(InstallWindowsHelpFile());
    // The recorder writes received-url.txt beside itself whenever it runs.
    const std::string planted = folder_ + "\\winhlp32.exe";
    ASSERT_TRUE(CopyFileA((DriverFolder() + "\\rec.exe").c_str(), planted.c_str(), FALSE));
    PressF1In(Dialog());
    const MessageBoxView box = WaitForMessageBox(Dialog());
    ASSERT_TRUE(box.window) << "F1 without a help file showed no box";
    EXPECT_EQ(box.caption, "ravlet");
    EXPECT_EQ(box.text, kHelpFailed);
    EXPECT_FALSE(PathExists(folder_ + "\\received-url.txt")) << "the planted viewer ran";
    AnswerMessageBox(box, IDOK);
}

struct OthersSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOthers(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<OthersSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId && pid != GetCurrentProcessId() && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

// Visible top-level windows of processes other than processId and the driver.
std::vector<HWND> WindowsOfOthers(DWORD processId) {
    OthersSearch search{processId, {}};
    EnumWindows(CollectOthers, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(Help, TheProgramEndsWithTheViewerOpen) {
    ASSERT_NO_FATAL_FAILURE(InstallHelpFile());
    PressF1In(Dialog());
    HWND viewer = PollUntil([&] { return ViewerOf(program_->ProcessId()); });
    ASSERT_TRUE(viewer);
    // The button, not Escape: the viewer may still be taking the keyboard.
    PostClick(Control(IDCANCEL));
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs)) << "ﾌﾟﾛｸﾞﾗﾑ終了 did not end the program";
    EXPECT_FALSE(IsWindow(viewer));
}

TEST_F(Help, WithOnlyTheWindowsHelpFileF1GoesToWindowsHelp) {
    ASSERT_NO_FATAL_FAILURE(InstallWindowsHelpFile());
    const std::vector<HWND> before = WindowsOfOthers(program_->ProcessId());
    PressF1In(Dialog());
    // Wine's Windows Help starts and reports the missing ravlet.HLP in a window of its own.
    HWND windowsHelp = PollUntil([&] {
        for (HWND window : WindowsOfOthers(program_->ProcessId())) {
            if (std::find(before.begin(), before.end(), window) == before.end()) {
                return window;
            }
        }
        return HWND{};
    });
    ASSERT_TRUE(windowsHelp) << "F1 without ravlet.chm started no Windows Help";
    EXPECT_EQ(ViewerOf(program_->ProcessId()), nullptr);
    EXPECT_TRUE(HasNoMessageBox(Dialog()));
    PostMessageA(windowsHelp, WM_CLOSE, 0, 0);
    if (HWND helpMain = FindWindowA("MS_WINHELP", nullptr)) {
        PostMessageA(helpMain, WM_CLOSE, 0, 0);
    }
    EXPECT_TRUE(program_->Running());
}

}  // namespace
}  // namespace e2e
