// Typed text that is not yet a shortcut: closing asks before it goes, and after a
// Create nothing is left to ask about.
#include <windows.h>

#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"

namespace e2e {
namespace {

using PendingInput = RavletTest;

TEST_F(PendingInput, EscapeInTheBodyAsksAndNoKeepsEveryField) {
    ASSERT_NO_FATAL_FAILURE(FillIn("taro@example.jp", "週報"));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_BODY, "お疲れ様です。"));
    // The body takes every key, Escape included, and hands Escape to the dialog.
    PressKey(VK_ESCAPE);
    MessageBoxView question = WaitForMessageBox(Dialog());
    ASSERT_TRUE(question.window) << "Escape in the body asked nothing";
    EXPECT_EQ(question.caption, "終了しますか？");
    EXPECT_EQ(question.text,
              "入力した内容は、まだショートカットになっていません。\n"
              "入力した内容を捨てて、終了しますか？");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    SaveScreenshot(question.window, "give-up-input-question");
    // Enter presses the default button, which is No.
    PressKey(VK_RETURN);
    ASSERT_TRUE(PollUntil([&] { return HasNoMessageBox(Dialog()); }));
    EXPECT_FALSE(program_->WaitForExit(300)) << "No ended the program";
    EXPECT_EQ(Text(IDC_ADDRESS), "taro@example.jp");
    EXPECT_EQ(Text(IDC_SUBJECT), "週報");
    EXPECT_EQ(Text(IDC_BODY), "お疲れ様です。");
    EXPECT_EQ(Text(IDC_NAME), "taro@example.jp さんへ");
    EXPECT_TRUE(FocusSettlesOn(IDC_BODY));

    // The close box asks the same.
    PostMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    question = WaitForMessageBox(Dialog());
    EXPECT_EQ(question.caption, "終了しますか？");
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(question, IDYES));
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs)) << "Yes did not end the program";
}

TEST_F(PendingInput, AfterACreateEscapeEndsAtOnce) {
    ASSERT_NO_FATAL_FAILURE(AddDestination(Outbox()));
    ASSERT_NO_FATAL_FAILURE(FillIn("taro@example.jp", ""));
    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_BODY, "x"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("taro@example.jp"));
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
}

}  // namespace
}  // namespace e2e
