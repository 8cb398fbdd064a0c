// What a handler raises goes to the application object with the window of the dialog
// that handled the message; once the application has answered, the dialog runs on.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "framework_throwing_dialog.h"

namespace {

class RecordingApp : public CWinApp {
public:
    std::vector<std::string> errors;
    std::vector<HWND> windows;

    bool ProcessWndProcException(HWND window, const std::exception_ptr& error) override {
        windows.push_back(window);
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        } catch (int number) {
            errors.push_back("int " + std::to_string(number));
        }
        return true;
    }
};

TEST(HandlerException, ReachesTheApplicationOncePerMessageAndTheDialogRunsOn) {
    RecordingApp app;
    ThrowingDialog dialog;
    int raised = 0;
    // Anything may be raised, not only the standard exceptions.
    dialog.raise = [&raised] {
        if (++raised == 1) {
            throw std::runtime_error("first");
        }
        throw 7;
    };
    HWND window = nullptr;
    bool runningAfterBoth = false;
    dialog.script = [&](ScriptedDialog&) {
        window = dialog.GetSafeHwnd();
        dialog.ClickButton();
        dialog.ClickButton();
        runningAfterBoth = IsWindow(window) != FALSE;
    };
    EXPECT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);

    EXPECT_TRUE(runningAfterBoth);
    EXPECT_EQ(dialog.clicks, 2);
    EXPECT_EQ(app.errors, (std::vector<std::string>{"first", "int 7"}));
    EXPECT_EQ(app.windows, (std::vector<HWND>{window, window}));
}

}  // namespace
