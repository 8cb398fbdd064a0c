// Files dropped on a dialog, delivered as Explorer delivers them: a WM_DROPFILES with a
// DROPFILES block of UTF-16 paths.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/command_line_paths.h"
#include "framework/dropped_files.h"
#include "tests/wine/framework_scripted_dialog.h"
#include "tests/wine/scratch_folder.h"

namespace {

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) {
        list += path + L'\0';
    }
    list += L'\0';
    const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES), list.data(),
           list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class DropTarget : public ScriptedDialog {
public:
    std::vector<std::vector<std::wstring>> drops;

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DROPFILES) {
            drops.push_back(TakeDroppedPaths(GetSafeHwnd(), wParam));
            return 0;
        }
        return ScriptedDialog::RouteMessage(message, wParam, lParam);
    }
};

TEST(DroppedFiles, ADialogTakesTheDroppedPathsOnlyWhileEnabledAndAlwaysReleasesTheDrop) {
    const std::vector<std::wstring> paths = {L"C:\\メール\\週報.url",
                                             std::wstring(400, L'x') + L".url", L"D:\\Ü\\a b"};
    DropTarget dialog;
    std::vector<HDROP> sent;
    dialog.script = [&](ScriptedDialog& self) {
        const HWND hwnd = self.GetSafeHwnd();
        AcceptDroppedFiles(hwnd);
        EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        sent.push_back(MakeDrop(paths));
        SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(sent.back()), 0);
        // A box of the dialog is up.
        EnableWindow(hwnd, FALSE);
        sent.push_back(MakeDrop({L"C:\\x.url"}));
        SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(sent.back()), 0);
        EnableWindow(hwnd, TRUE);
    };
    ASSERT_EQ(dialog.DoModal(), ScriptedDialog::kScriptDone);
    ASSERT_EQ(dialog.drops.size(), 2u);
    EXPECT_EQ(dialog.drops[0], paths);
    EXPECT_TRUE(dialog.drops[1].empty());
    for (const HDROP drop : sent) {
        EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE));
    }
}

TEST(CommandLinePaths, KeepsExistingPathsAndLeavesOutOptions) {
    ScratchFolder folder;
    const std::string file = folder / "a b.url";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::wstring wideFolder(folder.path().begin(), folder.path().end());
    const std::wstring wideFile(file.begin(), file.end());
    struct Case {
        std::wstring commandLine;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {L"ravlet.exe", {}},
        {L"\"C:\\a b\\ravlet.exe\" \"" + wideFile + L"\"", {wideFile}},
        {L"ravlet.exe /dde \"" + wideFile + L"\" " + wideFolder + L" C:\\nothing-here.url",
         {wideFile, wideFolder}},
        {L"ravlet.exe \"a b.url\"", {wideFile}},  // relative to the current folder
    };
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.path().c_str());
    for (const Case& c : cases) {
        EXPECT_EQ(CommandLinePaths(c.commandLine.c_str()), c.expected);
    }
    SetCurrentDirectoryA(previous);
}

}  // namespace
