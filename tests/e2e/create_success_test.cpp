// A Create that goes through writes the shortcut's exact bytes, says so, and clears the
// form for the next one; an existing file is replaced only when the user says Yes.
#include <fstream>

#include "driver/button.h"
#include "driver/icon_picker.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"

namespace e2e {
namespace {

using CreateSuccess = RavletTest;

const char kAborted[] = "処理は中断されました。";

TEST_F(CreateSuccess, WritesTheShortcutThenClearsTheFormForTheNextOne) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    const int destination = SelectedDestination();
    ASSERT_NO_FATAL_FAILURE(FillIn("someone@example.com", "会議 & 予定? a b"));
    ASSERT_EQ(Text(IDC_NAME), "someone@example.com さんへ");

    PostClick(Control(IDOK));
    MessageBoxView done = WaitForMessageBox(Dialog());
    SaveScreenshot(done.window, "completion-message");
    EXPECT_EQ(done.text, "someone@example.com さんへのショートカットが作成されました");
    EXPECT_EQ(done.caption, "完了");
    EXPECT_EQ(done.buttons, std::vector<int>{IDOK});
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(done, IDOK));

    const std::string path = outbox + "\\someone@example.com さんへ.url";
    EXPECT_TRUE(PollUntil([&] { return ReadFileBytes(path).has_value(); }));
    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"),
              "[InternetShortcut]\r\n"
              "URL=mailto:someone@example.com?Subject=会議%20%26%20予定%3F%20a%20b\r\n");

    EXPECT_EQ(Text(IDC_ADDRESS), "");
    EXPECT_EQ(Text(IDC_SUBJECT), "");
    EXPECT_EQ(Text(IDC_NAME), "");
    EXPECT_TRUE(FocusSettlesOn(IDC_ADDRESS));
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);
    EXPECT_EQ(SelectedDestination(), destination) << "the destination stays selected";

    // Suggestions are on again, and without a subject line 2 has no "?".
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "a@b.c,d@e.f;g@h.i"));
    EXPECT_EQ(Text(IDC_NAME), "a@b.c d@e.f g@h.i さんへ");
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("a@b.c,d@e.f;g@h.i"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\a@b.c d@e.f g@h.i さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:a@b.c,d@e.f;g@h.i\r\n");
}

// Another program can set a one-line field's text, line breaks included; the file
// still gets exactly one URL line and no icon lines of someone else's choosing.
TEST_F(CreateSuccess, LineBreaksSetByAnotherProgramAddNoLinesToTheShortcut) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    const std::string injected = "hello\r\nIconFile=\\\\evil\\s\\i.ico\r\nIconIndex=1";
    SendMessageA(Control(IDC_SUBJECT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(injected.c_str()));
    ASSERT_EQ(Text(IDC_SUBJECT), injected) << "the field keeps what another program sets";

    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("someone@example.com"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\someone@example.com さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\n"
              "URL=mailto:someone@example.com?Subject=helloIconFile%3D%5C%5Cevil%5Cs%5Ci.ico"
              "IconIndex%3D1\r\n");
}

// "Copy link" on a web page gives the scheme, and a paste can bring a tab along: the
// shortcut adds the scheme itself, and neither reaches the name.
TEST_F(CreateSuccess, APastedLinkLosesItsSchemeAndTabInTheNameAndTheFile) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    const std::string pasted = "MailTo:taro@example.jp\t";
    SendMessageA(Control(IDC_ADDRESS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_EQ(Text(IDC_NAME), "taro@example.jp さんへ");

    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("taro@example.jp"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\taro@example.jp さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:taro@example.jp\r\n");
}

TEST_F(CreateSuccess, AfterAShortcutWithAnIconTheNextOneHasNoIconLines) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "first@example.com"));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 4));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("first@example.com"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\first@example.com さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:first@example.com\r\n"
              "IconFile=" +
                  folder_ + "\\ravlet.exe\r\nIconIndex=4\r\n");
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "second@example.com"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("second@example.com"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\second@example.com さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:second@example.com\r\n");
}

TEST_F(CreateSuccess, AnExistingFileIsReplacedOnlyAfterYes) {
    const std::string outbox = Outbox();
    const std::string path = outbox + "\\friend@example.com さんへ.url";
    std::ofstream(path, std::ios::binary) << "old contents";
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(FillIn("friend@example.com", "hello"));

    MessageBoxView question;

    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(question));
    SaveScreenshot(question.window, "overwrite-question");
    EXPECT_EQ(question.text, "friend@example.com さんへ を上書きします\nよろしいですか？");
    EXPECT_EQ(question.caption, "上書きしますか？");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDNO));
    MessageBoxView aborted = WaitForMessageBox(Dialog());
    EXPECT_EQ(aborted.text, kAborted);
    EXPECT_EQ(aborted.caption, "中断されました");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(aborted, IDOK));
    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"), "old contents");
    EXPECT_EQ(Text(IDC_ADDRESS), "friend@example.com");
    EXPECT_EQ(Text(IDC_SUBJECT), "hello");
    EXPECT_EQ(Text(IDC_NAME), "friend@example.com さんへ");

    MessageBoxView again;
    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(again));
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(again, IDYES));
    MessageBoxView done = WaitForMessageBox(Dialog());
    EXPECT_EQ(done.caption, "完了");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(done, IDOK));
    EXPECT_EQ(ReadFileBytes(path).value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:friend@example.com?Subject=hello\r\n");
}

TEST_F(CreateSuccess, AFolderInTheWayIsAskedAboutThenCannotBeOpened) {
    const std::string outbox = Outbox();
    const std::string path = outbox + "\\x@y.z さんへ.url";
    CreateDirectoryA(path.c_str(), nullptr);
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "x@y.z"));
    MessageBoxView question;
    ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(question));
    EXPECT_EQ(question.caption, "上書きしますか？");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDYES));
    MessageBoxView retry = WaitForMessageBox(Dialog());
    EXPECT_EQ(retry.caption, "作成出来ません");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(retry, IDCANCEL));
    MessageBoxView aborted = WaitForMessageBox(Dialog());
    EXPECT_EQ(aborted.text, kAborted);
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(aborted, IDOK));
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace e2e
