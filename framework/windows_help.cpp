#include "framework/windows_help.h"

#include "framework/exact_ansi.h"
#include "framework/file_kind.h"
#include "framework/path_names.h"
#include "text/file_name.h"

namespace {

constexpr wchar_t kViewerName[] = L"winhlp32.exe";

// A folder that read (a call of GetCurrentDirectoryW's kind: the length without the
// terminator, or the size needed) reports, with a buffer grown until it fits; empty
// when it cannot be read. Folders read in UTF-16 keep names the code page cannot spell.
template <typename ReadFolder>
std::wstring WholeFolder(ReadFolder read) {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = read(folder.data(), static_cast<DWORD>(folder.size()));
        if (length == 0) {
            return {};
        }
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);
    }
}

std::wstring CurrentFolder() {
    return WholeFolder(
        [](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

std::wstring WindowsFolder() {
    return WholeFolder([](wchar_t* buffer, DWORD size) {
        return static_cast<DWORD>(GetWindowsDirectoryW(buffer, size));
    });
}

std::wstring WithoutSeparator(std::wstring folder) {
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) {
        folder.pop_back();
    }
    return folder;
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    return SamePathText(WithoutSeparator(a), WithoutSeparator(b));
}

bool HoldsViewer(std::wstring folder) {
    if (folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return IsFile(folder + kViewerName);
}

}  // namespace

bool MayStartWindowsHelp(const std::string& helpFile) {
    if (!IsFile(helpFile)) {
        return false;
    }
    const std::wstring programFolder =
        WideFromAnsi(helpFile.substr(0, mbtext::FileNameStart(helpFile)));
    const std::wstring current = CurrentFolder();
    const std::wstring windows = WindowsFolder();
    if (programFolder.empty() || current.empty() || windows.empty()) {
        return false;
    }
    // The system's viewer lives in the Windows folder: a program started there finds
    // that one.
    return !HoldsViewer(programFolder) && (SameFolder(current, windows) || !HoldsViewer(current));
}

bool ShowWindowsHelpTopic(HWND owner, const std::string& helpFile, DWORD context) {
    return MayStartWindowsHelp(helpFile) &&
           WinHelpW(owner, WideFromAnsi(helpFile).c_str(), HELP_CONTEXT, context) != FALSE;
}
