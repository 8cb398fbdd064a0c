// ravlet started with a path, as Explorer starts it for a file dropped on the program,
// sent with 「送る」 or opened with 「プログラムから開く」: a shortcut fills the dialog and
// is written again with every line the program does not own; a folder becomes the
// selected destination.
#include <windows.h>

#include "driver/button.h"
#include "driver/icon_picker.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"

namespace e2e {
namespace {

using OpenShortcut = RavletTest;

const char kPropertySection[] = "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n";

bool WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(file);
    return ok;
}

// The hot key is changed in the file while it is open in ravlet (in its Properties, say):
// the lines kept are those of the file at 作成.
TEST_F(OpenShortcut, AShortcutWrittenAgainKeepsItsHotKeyAsItIsNowAndPropertySection) {
    const std::string outbox = Outbox();
    const std::string path = outbox + "\\週報.url";
    // Made by a copy of ravlet that has since moved, with a hot key Explorer added.
    const auto file = [](const char* hotKey) {
        return std::string(
                   "[InternetShortcut]\r\n"
                   "URL=mailto:taro@example.jp?Subject=%E9%80%B1%E5%A0%B1&cc=jiro@example.jp"
                   "&body=お疲れ様です。%0D%0A%09-%201\r\n"
                   "IconFile=C:\\old place\\ravlet.exe\r\nIconIndex=2\r\nHotKey=") +
               hotKey + "\r\n" + kPropertySection;
    };
    ASSERT_TRUE(WriteBytes(path, file("1601")));
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    ASSERT_NO_FATAL_FAILURE(StartRavletAs("\"" + exe_ + "\" \"" + path + "\"", folder_));

    EXPECT_EQ(Text(IDC_ADDRESS), "taro@example.jp");
    EXPECT_EQ(Text(IDC_SUBJECT), "週報");
    EXPECT_EQ(Text(IDC_CC), "jiro@example.jp");
    EXPECT_EQ(Text(IDC_BODY), "お疲れ様です。\r\n\t- 1");
    EXPECT_EQ(Text(IDC_NAME), "週報");
    ASSERT_FALSE(Destinations().empty());
    EXPECT_EQ(Destinations()[static_cast<size_t>(SelectedDestination())], outbox);
    EXPECT_NE(PreviewPicture(Dialog()), nullptr);
    SaveScreenshot(Dialog(), "opened-shortcut");

    // The name stays what the file is called while the address changes.
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, "週報 12月"));
    ASSERT_TRUE(WriteBytes(path, file("1602")));
    MessageBoxView question;
    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(question));
    EXPECT_EQ(question.caption, "上書きしますか？");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDYES));
    MessageBoxView done = WaitForMessageBox(Dialog());
    EXPECT_EQ(done.caption, "完了");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(done, IDOK));

    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"),
              "[InternetShortcut]\r\n"
              "URL=mailto:taro@example.jp?Subject=週報%2012月&cc=jiro@example.jp"
              "&body=お疲れ様です。%0D%0A%09-%201\r\n"
              "IconFile=" +
                  exe_ + "\r\nIconIndex=2\r\nHotKey=1602\r\n" + kPropertySection);
}

TEST_F(OpenShortcut, AFolderBecomesTheSelectedDestination) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    ASSERT_NO_FATAL_FAILURE(StartRavletAs("\"" + exe_ + "\" \"" + outbox + "\"", folder_));
    ASSERT_FALSE(Destinations().empty());
    EXPECT_EQ(Destinations()[static_cast<size_t>(SelectedDestination())], outbox);

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "hanako@example.jp"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("hanako@example.jp"));
    EXPECT_TRUE(PathExists(outbox + "\\hanako@example.jp さんへ.url"));

    // Given again with a trailing "\", it is the folder the list holds, not another.
    const size_t listed = Destinations().size();
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    // Two "\" before the closing quote are one "\" in the argument.
    ASSERT_NO_FATAL_FAILURE(StartRavletAs("\"" + exe_ + "\" \"" + outbox + "\\\\\"", folder_));
    EXPECT_EQ(Destinations().size(), listed);
    ASSERT_FALSE(Destinations().empty());
    EXPECT_EQ(Destinations()[static_cast<size_t>(SelectedDestination())], outbox);
}

}  // namespace
}  // namespace e2e
