// The Create command refuses an incomplete form one fault at a time, in a fixed order
// (address present, at most 200 bytes, with "@" and "."; a destination; a name), and
// each refusal puts the focus where the fault is.
#include "driver/button.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"

namespace e2e {
namespace {

class CreateChecks : public RavletTest {
protected:
    // Runs Create and expects exactly this warning, then the focus on control focusId.
    void ExpectRefusal(const std::string& text, int focusId) {
        MessageBoxView box;
        ASSERT_NO_FATAL_FAILURE(CreateAndExpectBox(box));
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "確認");
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(FocusSettlesOn(focusId)) << "after \"" << text << "\"";
    }
    // Nothing selected in the drop-down list: the user cannot get there by clicking,
    // but the command must still refuse to write without a folder.
    void SelectNoDestination() { SendMessageA(Control(IDC_FOLDER), CB_SETCURSEL, -1, 0); }
    // The user empties the name field (which also stops suggestions).
    void ClearName() {
        ASSERT_TRUE(FocusControl(Control(IDC_NAME)));
        PressKey(VK_DELETE);
        // Keys queue behind posted messages: see the deletion before clicking on.
        ASSERT_TRUE(PollUntil([&] { return Text(IDC_NAME).empty(); }));
    }
};

const char kNoAddress[] = "メールアドレスが入力されていません";
const char kTooLong[] =
    "メールアドレスが長すぎます。\n一度に沢山指定している場合は少なくして下さい";
const char kNotAnAddress[] = "宛先が有効なメールアドレスでは無いように思えます";
const char kNoDestination[] = "保存先を指定して下さい";
const char kNoName[] = "ショートカット名を指定して下さい";

TEST_F(CreateChecks, EachFaultIsReportedInTurnWithTheFocusOnItsField) {
    SelectNoDestination();
    ClearName();
    // Every later check would fail too: the first one speaks.
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNoAddress, IDC_ADDRESS));

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, std::string(201, 'x')));  // no "@", no "." either
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kTooLong, IDC_ADDRESS));

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example"));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNotAnAddress, IDC_ADDRESS));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone.example"));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNotAnAddress, IDC_ADDRESS));

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNoDestination, IDC_FOLDER));

    ASSERT_NO_FATAL_FAILURE(AddDestination(Outbox()));
    ClearName();
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNoName, IDC_NAME));
    EXPECT_EQ(Text(IDC_ADDRESS), "someone@example.com") << "a refusal must leave the form alone";
}

TEST_F(CreateChecks, AddressLengthCountsBytesSoDoubleByteCharactersCountTwice) {
    SelectNoDestination();
    std::string twoHundred;
    for (int i = 0; i < 99; ++i) {
        twoHundred += "あ";
    }
    twoHundred += "@.";  // 99 * 2 + 2 = 200 bytes: long enough, but not too long
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, twoHundred));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNoDestination, IDC_FOLDER));

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, twoHundred + "x"));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kTooLong, IDC_ADDRESS));
}

TEST_F(CreateChecks, SearchForTheAtSignLooksAtWholeCharacters) {
    SelectNoDestination();
    // The ideographic space is 0x81 0x40: its second byte is "@" but the character is not.
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone.example　"));
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNotAnAddress, IDC_ADDRESS));

    ASSERT_NO_FATAL_FAILURE(
        TypeInto(IDC_ADDRESS, ".@"));  // both characters, in any order, pass this check
    ASSERT_NO_FATAL_FAILURE(ExpectRefusal(kNoDestination, IDC_FOLDER));
}

// Pasted web text often holds "¥" (U+00A5), which the ANSI code page would spell as
// "\\": the name "sub¥x" must not become the file x.url in the subfolder sub.
TEST_F(CreateChecks, ANameTheCodePageCannotSpellIsRefusedAndNothingIsWritten) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_TRUE(CreateDirectoryA((outbox + "\\sub").c_str(), nullptr));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com"));
    SendMessageW(Control(IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sub\u00A5x"));

    PostClick(Control(IDOK));
    const MessageBoxView box = WaitForMessageBox(Dialog());
    SaveScreenshot(box.window, "unspellable-name");
    EXPECT_EQ(box.text,
              "ショートカットの名前に、この環境で扱えない文字が含まれています。\n"
              "その文字を取り除いて下さい");
    EXPECT_EQ(box.caption, "確認");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(FocusSettlesOn(IDC_NAME));
    EXPECT_FALSE(PathExists(outbox + "\\sub\\x.url"));
}

// Two subjects would reach the mail program, which would take either.
TEST_F(CreateChecks, ASubjectTypedBesideOneInTheAddressIsRefused) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "someone@example.com?Subject=first"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_NAME, "two subjects"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, "second"));

    PostClick(Control(IDOK));
    const MessageBoxView box = WaitForMessageBox(Dialog());
    SaveScreenshot(box.window, "second-subject");
    EXPECT_EQ(box.text,
              "メールアドレスの欄にも件名（subject=）があります。\n"
              "件名が 2 つにならないよう、どちらかを消して下さい");
    EXPECT_EQ(box.caption, "確認");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(FocusSettlesOn(IDC_ADDRESS));
    EXPECT_FALSE(PathExists(outbox + "\\two subjects.url"));
}

TEST_F(CreateChecks, EnterInAFieldRunsCreateAndKeepsTheDialogOpen) {
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_SUBJECT, "hello"));
    PressKey(VK_RETURN);
    MessageBoxView box = WaitForMessageBox(Dialog());
    EXPECT_EQ(box.text, kNoAddress);
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(FocusSettlesOn(IDC_ADDRESS));
    EXPECT_TRUE(program_->Running());
    EXPECT_TRUE(IsWindowVisible(Dialog()));
}

}  // namespace
}  // namespace e2e
