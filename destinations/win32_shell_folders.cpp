#include "destinations/win32_shell_folders.h"

#include "destinations/win32_shell_owners.h"

namespace {

constexpr char kQuickLaunchBelowAppData[] = "\\Microsoft\\Internet Explorer\\Quick Launch";

// A file search, closed when the owner goes.
class FileSearch {
public:
    FileSearch(const std::string& pattern, WIN32_FIND_DATAA& found)
        : handle_(FindFirstFileA(pattern.c_str(), &found)) {}
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    ~FileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(handle_);
        }
    }

    bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(handle_, &found) != FALSE; }

private:
    HANDLE handle_;
};

// The folder browser wants COM on the calling thread. Whatever model the thread
// already has is kept.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialized_) {
            CoUninitialize();
        }
    }

private:
    bool initialized_;
};

// The folder's path, or empty when the shell cannot say (never a stale buffer).
std::string SpecialFolderPath(HWND owner, int folderId) {
    char buffer[MAX_PATH] = {};
    return GetSpecialFolderPath(owner, folderId, buffer) ? buffer : "";
}

}  // namespace

int GetSpecialFolderPath(HWND owner, int folderId, char* buffer) {
    buffer[0] = '\0';
    ShellAllocator allocator;
    if (!allocator) {
        return 0;
    }
    LPITEMIDLIST location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, folderId, &location))) {
        return 0;
    }
    const ItemIdList list(location, allocator.get());
    if (!SHGetPathFromIDListA(list.get(), buffer)) {
        buffer[0] = '\0';
        return 0;
    }
    return 1;
}

LPITEMIDLIST PathToItemIdList(const char* path) {
    if (!path) {
        return nullptr;
    }
    ComReference<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.out()))) {
        return nullptr;
    }
    WCHAR widePath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, widePath, MAX_PATH) == 0) {
        return nullptr;  // too long for a shell path
    }
    LPITEMIDLIST list = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, widePath, nullptr, &list, nullptr))) {
        return nullptr;
    }
    return list;
}

int CALLBACK FolderBrowserCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    switch (message) {
        case BFFM_INITIALIZED:
            // data is the initial selection's item id list; without one nothing is selected.
            if (data) {
                SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, data);
            }
            break;
        case BFFM_SELCHANGED: {
            // The status line shows the full path of the highlighted folder; an item
            // that is no file-system folder leaves it as it was.
            char path[MAX_PATH] = {};
            if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path)) {
                SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

bool BrowseForFolder(HWND owner, std::string& outPath, const char* initialPath,
                     const char* rootPath, const char* title) {
    const ComApartment apartment;
    ShellAllocator allocator;
    if (!allocator) {
        return false;
    }
    const ItemIdList root(PathToItemIdList(rootPath), allocator.get());
    const ItemIdList initial(PathToItemIdList(initialPath), allocator.get());

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = FolderBrowserCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial.get());
    info.iImage = 0;

    const ItemIdList chosen(SHBrowseForFolderA(&info), allocator.get());
    if (!chosen) {
        return false;
    }
    // A choice without a file-system path is no folder a shortcut can go into.
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), path) || path[0] == '\0') {
        return false;
    }
    outPath = path;
    return true;
}

bool QuickLaunchHasFiles(const std::string& folder) {
    WIN32_FIND_DATAA found;
    if (!FileSearch(folder, found).found()) {
        return false;
    }
    FileSearch entries(folder + "\\*.*", found);
    if (!entries.found()) {
        return false;
    }
    // "." and ".." are folders too, so an empty folder has no file.
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return true;
        }
    } while (entries.Next(found));
    return false;
}

std::vector<WellKnownFolder> FindWellKnownFolders(HWND owner) {
    std::vector<WellKnownFolder> folders;
    folders.push_back({"デスクトップ", SpecialFolderPath(owner, CSIDL_DESKTOPDIRECTORY)});
    folders.push_back({"スタートメニュー", SpecialFolderPath(owner, CSIDL_STARTMENU)});
    // Without the application data folder there is no Quick Launch folder to probe.
    const std::string appData = SpecialFolderPath(owner, CSIDL_APPDATA);
    if (!appData.empty()) {
        const std::string quickLaunch = appData + kQuickLaunchBelowAppData;
        if (QuickLaunchHasFiles(quickLaunch)) {
            folders.push_back({"クイック起動", quickLaunch});
        }
    }
    folders.push_back({"ＩＥのお気に入りフォルダ", SpecialFolderPath(owner, CSIDL_FAVORITES)});
    return folders;
}
