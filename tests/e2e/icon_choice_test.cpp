// The icon picker opens on the current choice, its choice shows in the preview and in
// the shortcut's icon lines, and cancelling it keeps what was chosen.
#include "driver/icon_picker.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "iconpick/icon_choices.h"

namespace e2e {
namespace {

using IconChoice = RavletTest;

TEST_F(IconChoice, PickerIsASmallCaptionlessColumnCentredOverTheDialog) {
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    SaveScreenshot(picker, "icon-picker");
    EXPECT_NE(GetWindowLongA(picker, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    RECT pick = {}, main = {};
    GetWindowRect(picker, &pick);
    GetWindowRect(Dialog(), &main);
    EXPECT_EQ(pick.right - pick.left, 37);
    EXPECT_EQ(pick.bottom - pick.top, 113);
    EXPECT_NEAR((pick.left + pick.right) / 2, (main.left + main.right) / 2, 2);
    EXPECT_NEAR((pick.top + pick.bottom) / 2, (main.top + main.bottom) / 2, 2);
    // The current choice (0, the standard icon) has the focus.
    EXPECT_EQ(FocusedWindowOf(picker), GetDlgItem(picker, kIconChoices[0].buttonId));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(picker); }));
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);
}

TEST_F(IconChoice, ChoiceShowsInThePreviewAndTheShortcutNamesTheExecutable) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 3));
    HANDLE blue = PreviewPicture(Dialog());
    EXPECT_NE(blue, nullptr);
    SaveScreenshot(Dialog(), "main-dialog-with-icon");

    // Reopened, the picker offers the blue envelope first, as its default button.
    picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    HWND blueButton = GetDlgItem(picker, kIconChoices[3].buttonId);
    EXPECT_TRUE(PollUntil([&] { return FocusedWindowOf(picker) == blueButton; }));
    EXPECT_EQ(GetWindowLongA(blueButton, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    PressKey(VK_ESCAPE);  // cancelled: the choice stays
    ASSERT_TRUE(PollUntil([&] { return !IsWindow(picker); }));
    EXPECT_NE(PreviewPicture(Dialog()), nullptr);

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "blue@example.com"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("blue@example.com"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\blue@example.com さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:blue@example.com\r\n"
              "IconFile=" +
                  folder_ + "\\ravlet.exe\r\nIconIndex=3\r\n");
}

TEST_F(IconChoice, TheStandardIconEmptiesThePreviewAndWritesNoIconLines) {
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    HWND picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 5));
    EXPECT_NE(PreviewPicture(Dialog()), nullptr);
    picker = OpenIconPicker(Dialog());
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickIcon(picker, 0));
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);

    ASSERT_NO_FATAL_FAILURE(TypeInto(IDC_ADDRESS, "plain@example.com"));
    ASSERT_NO_FATAL_FAILURE(CreateSuccessfully("plain@example.com"));
    EXPECT_EQ(ReadFileBytes(outbox + "\\plain@example.com さんへ.url").value_or("(missing)"),
              "[InternetShortcut]\r\nURL=mailto:plain@example.com\r\n");
}

}  // namespace
}  // namespace e2e
