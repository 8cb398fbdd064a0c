// The About box is reached through the last item of the system menu.
#include "driver/button.h"
#include "driver/keyboard.h"
#include "driver/poll.h"
#include "driver/ravlet_test.h"
#include "driver/screenshot.h"
#include "driver/window_lookup.h"
#include "ravlet_version.h"

namespace e2e {
namespace {

using AboutBox = RavletTest;

// The open popup menu of a process (class "#32768"), or null.
HWND OpenMenuOf(DWORD processId) {
    return VisibleWindowOf(processId, "#32768");
}

// True when the window and every control in it keep their text in UTF-16.
bool UnicodeThroughout(HWND window) {
    bool unicode = IsWindowUnicode(window) != FALSE;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        unicode &= IsWindowUnicode(child) != FALSE;
    }
    return unicode;
}

// Menus of another process cannot be read from here (their handles are the program's
// own), so the system menu is worked as a user does: Alt+Space, then Up, which wraps
// from the first item to the last, then Enter.
TEST_F(AboutBox, TheLastItemOfTheSystemMenuOpensIt) {
    SaveScreenshot(Dialog(), "main-dialog");
    SetForegroundWindow(Dialog());
    ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == Dialog(); }));
    INPUT keys[4] = {};
    const WORD order[4][2] = {{VK_MENU, 0}, {VK_SPACE, 0}, {VK_SPACE, 1}, {VK_MENU, 1}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i][0];
        keys[i].ki.dwFlags = order[i][1] ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
    HWND menu = PollUntil([&] { return OpenMenuOf(program_->ProcessId()); });
    ASSERT_TRUE(menu) << "Alt+Space opened no system menu";
    SaveScreenshot(menu, "system-menu");
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    HWND about = WaitForAboutBox();
    ASSERT_TRUE(about) << "the last item of the system menu did not open the About box";
    Click(GetDlgItem(about, IDOK));
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(about); }));
}

TEST_F(AboutBox, OpensFromTheSystemMenuAndClosesWithOk) {
    HWND about = OpenAboutBox();
    ASSERT_TRUE(about) << "no About box owned by the dialog";
    SaveScreenshot(about, "about-box");
    bool versionShown = false;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        versionShown |= WindowText(child) == "ravlet Version " RAVLET_VERSION_SHORT_TEXT;
    }
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(UnicodeThroughout(Dialog())) << "the main dialog's fields are ANSI windows";
    EXPECT_TRUE(UnicodeThroughout(about));
    EXPECT_FALSE(IsWindowEnabled(Dialog())) << "the About box is modal";

    Click(GetDlgItem(about, IDOK));
    EXPECT_TRUE(PollUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(PollUntil([&] { return IsWindowEnabled(Dialog()); }));
    EXPECT_TRUE(program_->Running());
}

}  // namespace
}  // namespace e2e
