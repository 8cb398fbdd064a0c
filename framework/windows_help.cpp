#include "framework/windows_help.h"

#include "text/file_name.h"

namespace {

constexpr char kViewerName[] = "winhlp32.exe";

bool HoldsFile(const std::string& folder, const char* name) {
    if (folder.empty()) {
        return false;
    }
    const char last = folder.back();
    const std::string path = folder + (last == '\\' || last == '/' ? "" : "\\") + name;
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string CurrentFolder() {
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

std::string WindowsFolder() {
    char folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

bool SameFolder(const std::string& a, const std::string& b) {
    auto withoutSeparator = [](std::string folder) {
        while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) {
            folder.pop_back();
        }
        return folder;
    };
    return lstrcmpiA(withoutSeparator(a).c_str(), withoutSeparator(b).c_str()) == 0;
}

// A winhlp32.exe that a start by bare name would find before the system's own.
bool PlantedViewerNearby(const std::string& programFolder) {
    if (HoldsFile(programFolder, kViewerName)) {
        return true;
    }
    // The system's viewer lives in the Windows folder: a program started there finds
    // that one.
    const std::string current = CurrentFolder();
    return !SameFolder(current, WindowsFolder()) && HoldsFile(current, kViewerName);
}

}  // namespace

bool ShowWindowsHelpTopic(HWND owner, const std::string& helpFile, DWORD context) {
    if (PlantedViewerNearby(helpFile.substr(0, mbtext::FileNameStart(helpFile)))) {
        return false;
    }
    return WinHelpA(owner, helpFile.c_str(), HELP_CONTEXT, context) != FALSE;
}
