// Added destinations and the last selection are kept in ravlet.ini beside the program:
// written when the dialog closes, read back at the next start; the list holds at most
// 20 entries, the oldest added folder falling off.
#include "driver/button.h"
#include "driver/folder_browser.h"
#include "driver/icon_picker.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/test_environment.h"
#include "tests/shared/settings_keys.h"

namespace e2e {
namespace {

class Settings : public RavletTest {
protected:
    std::string Ini() const { return folder_ + "\\ravlet.ini"; }
    std::string Read(const std::string& key) const {
        char value[512] = {};
        GetPrivateProfileStringA(kSettingsSection, key.c_str(), "(none)", value, sizeof value,
                                 Ini().c_str());
        return value;
    }
    void Write(const std::string& key, const std::string& value) {
        WritePrivateProfileStringA(kSettingsSection, key.c_str(), value.c_str(), Ini().c_str());
    }
    // The well-known folders head the list: 3, or 4 when Quick Launch is offered.
    int FixedCount() const {
        int fixed = 0;
        for (const auto& item : Destinations()) {
            fixed += item.find('\\') == std::string::npos;
        }
        return fixed;
    }
};

TEST_F(Settings, AFreshStartOffersTheWellKnownFoldersAndFocusesTheAddress) {
    const auto items = Destinations();
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items.front(), "デスクトップ");
    EXPECT_EQ(items[1], "スタートメニュー");
    EXPECT_EQ(items.back(), "ＩＥのお気に入りフォルダ");
    EXPECT_EQ(SelectedDestination(), 0);
    EXPECT_FALSE(PathExists(Ini())) << "nothing is written at start";
    EXPECT_TRUE(FocusSettlesOn(IDC_ADDRESS));
    EXPECT_EQ(PreviewPicture(Dialog()), nullptr);
}

TEST_F(Settings, AnAddedFolderIsSavedAtCloseAndSelectedAtTheNextStart) {
    const int fixed = FixedCount();
    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(Read("MENU_000"), outbox);
    EXPECT_EQ(Read("MENU_001"), "(none)");
    EXPECT_EQ(Read("SELECT"), std::to_string(fixed));

    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_EQ(Destinations().size(), static_cast<size_t>(fixed + 1));
    EXPECT_EQ(Destinations()[fixed], outbox);
    EXPECT_EQ(SelectedDestination(), fixed);
}

TEST_F(Settings, TheCloseBoxAlsoSavesAndCancellingTheBrowserChangesNothing) {
    const int fixed = FixedCount();
    const auto before = Destinations();
    PostClick(Control(IDC_NEW_FOLDER));
    HWND browser = WaitForFolderBrowser(Dialog());
    ASSERT_TRUE(browser);
    EXPECT_EQ(BrowserTitle(browser), "新しい保存先を指定");
    ASSERT_TRUE(CancelFolderBrowser(browser));
    EXPECT_EQ(Destinations(), before);
    EXPECT_EQ(SelectedDestination(), 0);

    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    ASSERT_NO_FATAL_FAILURE(
        AddDestination(outbox));  // no duplicate check: a second, identical entry
    EXPECT_EQ(Destinations().size(), static_cast<size_t>(fixed + 2));
    PostMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program_->WaitForExit(kDefaultTimeoutMs)) << "the close box did not end it";
    EXPECT_EQ(Read("MENU_000"), outbox);
    EXPECT_EQ(Read("MENU_001"), outbox);
    EXPECT_EQ(Read("SELECT"), std::to_string(fixed));
}

TEST_F(Settings, TheListHoldsTwentyEntriesAndTheOldestAddedFolderFallsOff) {
    const int fixed = FixedCount();
    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    const int userSlots = 20 - fixed;
    for (int i = 0; i < userSlots; ++i) {
        Write(MenuKey(i), "C:\\saved\\folder" + std::to_string(i));
    }
    Write("SELECT", "5");
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    ASSERT_EQ(Destinations().size(), 20u);
    EXPECT_EQ(SelectedDestination(), 5);

    const std::string outbox = Outbox();
    ASSERT_NO_FATAL_FAILURE(AddDestination(outbox));
    const auto items = Destinations();
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items[fixed], outbox);
    EXPECT_EQ(items[fixed + 1], "C:\\saved\\folder0");
    EXPECT_EQ(items[19], "C:\\saved\\folder" + std::to_string(userSlots - 2));
    EXPECT_EQ(SelectedDestination(), fixed);

    ASSERT_NO_FATAL_FAILURE(QuitWithEscape());
    EXPECT_EQ(Read(MenuKey(0)), outbox);
    EXPECT_EQ(Read(MenuKey(1)), "C:\\saved\\folder0");
    EXPECT_EQ(Read(MenuKey(userSlots - 1)), "C:\\saved\\folder" + std::to_string(userSlots - 2));
}

}  // namespace
}  // namespace e2e
