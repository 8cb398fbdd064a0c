// The boxes that the program raises by itself are captioned with its file name, or with
// "ravlet" when the code page cannot spell that name: "é" would read back as "e", a name
// the user never gave it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver/launched_program.h"
#include "driver/message_box.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"

namespace e2e {
namespace {

TEST(AppName, AProgramNamedOutsideTheCodePageCaptionsItsBoxesRavlet) {
    const std::string folder = FreshFolder("AppName");
    const std::wstring exe = std::wstring(folder.begin(), folder.end()) + L"\\caf\u00E9.exe";
    const std::string built = BuiltRavletExe();  // ASCII
    ASSERT_TRUE(CopyFileW(std::wstring(built.begin(), built.end()).c_str(), exe.c_str(), FALSE));

    LaunchedProgram program(exe);
    const HWND dialog = PollUntil([&] { return FindDialog(program.ProcessId(), kMainCaption); });
    ASSERT_TRUE(dialog);
    // Its settings file cannot be named either, and the box that says so comes first.
    const MessageBoxView box = WaitForMessageBox(dialog);
    ASSERT_TRUE(box.window) << "no box at start";
    EXPECT_EQ(box.caption, "ravlet");
    AnswerMessageBox(box, IDOK);
}

}  // namespace
}  // namespace e2e
