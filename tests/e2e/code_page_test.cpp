// Started where the system's code page is not Japanese, the program says so in one box
// that reads right there (UTF-16), then shows its dialog. This suite runs in a session
// of its own started under LC_ALL=C.UTF-8 (code page 1252): a program started from here
// inherits the driver's code page. Texts are read wide: ANSI would lose them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver/button.h"
#include "driver/launched_program.h"
#include "driver/poll.h"
#include "driver/screenshot.h"
#include "driver/test_environment.h"
#include "driver/window_lookup.h"
#include "res/resource.h"

namespace e2e {
namespace {

std::wstring WideText(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

// A string of the program's own string table, as the file holds it.
std::wstring ProgramString(const std::string& exe, UINT id) {
    const HMODULE program = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr) {
        return {};
    }
    const wchar_t* text = nullptr;
    const int length = LoadStringW(program, id, reinterpret_cast<LPWSTR>(&text), 0);
    std::wstring copy = length > 0 ? std::wstring(text, static_cast<size_t>(length)) : L"";
    FreeLibrary(program);
    return copy;
}

HWND MainDialogOf(DWORD processId) {
    for (HWND dialog : VisibleDialogsOf(processId)) {
        if (GetDlgItem(dialog, IDC_ADDRESS) != nullptr) {
            return dialog;
        }
    }
    return nullptr;
}

TEST(ForeignCodePage, AStartSaysTheJapaneseLocaleIsNeededThenShowsTheDialog) {
    ASSERT_NE(GetACP(), 932u) << "this suite needs a non-Japanese locale (LC_ALL=C.UTF-8)";
    const std::string exe = FreshFolder("ForeignCodePage") + "\\ravlet.exe";
    ASSERT_TRUE(CopyFileA(BuiltRavletExe().c_str(), exe.c_str(), FALSE));
    const std::wstring expected = ProgramString(exe, IDS_NEEDS_JAPANESE_LOCALE);
    ASSERT_NE(expected.find(L"「日本語 (日本)」を選び"), std::wstring::npos);

    LaunchedProgram program(exe);
    ASSERT_TRUE(program.Started());
    const HWND box = PollUntil([&] { return VisibleWindowOf(program.ProcessId(), "#32770"); });
    ASSERT_TRUE(box) << "no window at start";
    EXPECT_EQ(WideText(box), L"ravlet");
    EXPECT_EQ(WideText(ChildWithClass(box, 0xFFFF, "Static")), expected);
    EXPECT_EQ(MainDialogOf(program.ProcessId()), nullptr) << "the dialog came before the box";
    SaveScreenshot(box, "code-page-box");

    PostClick(GetDlgItem(box, IDOK));
    EXPECT_TRUE(PollUntil([&] { return MainDialogOf(program.ProcessId()); }))
        << "no main dialog after the box";
}

}  // namespace
}  // namespace e2e
