// F1 in a dialog of ours raises the help command; with Shift, Ctrl or Alt it does not.
#include <gtest/gtest.h>

#include <array>

#include "framework/framework_ids.h"
#include "framework/help_key.h"
#include "framework/module_path.h"
#include "framework_scripted_dialog.h"

namespace {

// Sets a key's state in the thread's keyboard state.
void SetKeyState(int virtualKey, BYTE state) {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    keys[static_cast<size_t>(virtualKey)] = state;
    SetKeyboardState(keys.data());
}

constexpr UINT kFinish = WM_APP + 5;

// Presses F1 in its edit field, with a modifier held down when one is given, and ends
// once the key has been through its modal loop.
class HelpListeningDialog : public ScriptedDialog {
public:
    explicit HelpListeningDialog(int modifier) : modifier_(modifier) {
        endAfterScript = false;
        script = [this](ScriptedDialog& self) {
            const HWND edit = self.Item(IDC_TEST_EDIT);
            SetFocus(edit);
            if (modifier_ != 0) {
                SetKeyState(modifier_, 0x80);
            }
            PostMessageA(edit, WM_KEYDOWN, VK_F1, 0x003B0001);
            PostMessageA(self.GetSafeHwnd(), kFinish, 0, 0);
        };
    }

    int helpCommands = 0;

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const MessageMapEntry<HelpListeningDialog> kMessageMap[];

    void OnHelpCommand() { ++helpCommands; }
    MessageResult OnFinish(WPARAM, LPARAM) {
        if (modifier_ != 0) {
            SetKeyState(modifier_, 0);
        }
        EndDialog(kScriptDone);
        return 0;
    }

    int modifier_;
};

const MessageMapEntry<HelpListeningDialog> HelpListeningDialog::kMessageMap[] = {
    OnCommand(0, ID_HELP, &HelpListeningDialog::OnHelpCommand),
    OnMessage(kFinish, &HelpListeningDialog::OnFinish),
};

// Defined after the table: routing needs to know its size.
MessageResult HelpListeningDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (MessageResult result = RouteThroughMap(*this, kMessageMap, message, wParam, lParam)) {
        return result;
    }
    return ScriptedDialog::RouteMessage(message, wParam, lParam);
}

int HelpCommandsForF1(int modifier) {
    const HelpKey helpKey;
    HelpListeningDialog dialog(modifier);
    dialog.DoModal();
    return dialog.helpCommands;
}

TEST(HelpKey, PlainF1RaisesTheHelpCommand) {
    EXPECT_EQ(HelpCommandsForF1(0), 1);
}

TEST(HelpKey, F1WithAModifierDoesNot) {
    for (int modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        EXPECT_EQ(HelpCommandsForF1(modifier), 0) << modifier;
    }
}

TEST(ModulePath, NamesWalkWholeCharacters) {
    struct Case {
        const char* modulePath;
        const char* title;
        const char* helpFile;
        const char* htmlHelpFile;
    };
    // "表" ends in the byte of "\", "ソ" too.
    const Case cases[] = {
        {"C:\\Program Files\\ravlet\\ravlet.exe", "ravlet", "C:\\Program Files\\ravlet\\ravlet.HLP",
         "C:\\Program Files\\ravlet\\ravlet.chm"},
        {"C:\\ソフト\\表.exe", "表", "C:\\ソフト\\表.HLP", "C:\\ソフト\\表.chm"},
        {"C:\\v1.2\\ravlet", "ravlet", "C:\\v1.2\\ravlet.HLP", "C:\\v1.2\\ravlet.chm"},
        {"C:\\tools\\mail.v2.exe", "mail.v2", "C:\\tools\\mail.v2.HLP", "C:\\tools\\mail.v2.chm"},
        {"ravlet.exe", "ravlet", "ravlet.HLP", "ravlet.chm"},
        {"D:ravlet.exe", "ravlet", "D:ravlet.HLP", "D:ravlet.chm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileTitle(c.modulePath), c.title) << c.modulePath;
        EXPECT_EQ(HelpFilePath(c.modulePath), c.helpFile) << c.modulePath;
        EXPECT_EQ(HtmlHelpFilePath(c.modulePath), c.htmlHelpFile) << c.modulePath;
    }
}

}  // namespace
