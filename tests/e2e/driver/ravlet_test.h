// The fixture of every scenario: a fresh copy of ravlet.exe in a folder of the test's
// own (so its ravlet.ini starts empty), started and driven through its main dialog.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/launched_program.h"
#include "driver/message_box.h"
#include "res/resource.h"

namespace e2e {

extern const char kMainCaption[];

class RavletTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the copy and waits for its main dialog; fails the test if it never shows.
    void StartRavlet();
    // The same with a command line of the test's choosing, in workingFolder.
    void StartRavletAs(const std::string& commandLine, const std::string& workingFolder);
    // Escape, then waits for the process to end (the settings are written on the way).
    void QuitWithEscape();

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    std::string Text(int id) const;
    HWND Focus() const;
    // Polls until the focus is on control id, and says where it is otherwise.
    ::testing::AssertionResult FocusSettlesOn(int id) const;

    // Types into a field as the user does: focus it (the Tab key's way, which selects
    // its text, so the typing replaces it), type, and wait until the field shows it.
    void TypeInto(int id, const std::string& text);
    // The three fields of a shortcut; an empty text is skipped (left empty).
    void FillIn(const std::string& address, const std::string& subject);

    // Clicks 作成 and waits for the message box that answers it; fails the test if none
    // shows.
    void CreateAndExpectBox(MessageBoxView& box);
    // Runs Create, expects the completion box for address and dismisses it.
    void CreateSuccessfully(const std::string& address);

    // Adds a folder through 新しい保存先を指定 and the folder browser; it becomes the
    // selected destination.
    void AddDestination(const std::string& folder);
    std::vector<std::string> Destinations() const;

    // The About box once it shows over the main dialog, or null.
    HWND WaitForAboutBox() const;
    // Sends the system menu's About command and waits for the box.
    HWND OpenAboutBox() const;
    int SelectedDestination() const;

    // The folder of this test, the copy of the program in it, and a folder inside it
    // that the test uses as its destination.
    std::string folder_;
    std::string exe_;
    std::string Outbox();

    std::unique_ptr<LaunchedProgram> program_;
    HWND dialog_ = nullptr;
};

}  // namespace e2e
