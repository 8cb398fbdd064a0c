#include "destinations/win32_shell_folders.h"

#include <cwchar>
#include <optional>

#include "destinations/win32_shell_owners.h"
#include "framework/exact_ansi.h"
#include "framework/file_find.h"
#include "framework/resource_string.h"
#include "res/resource.h"

namespace {

constexpr char kQuickLaunchBelowAppData[] = "\\Microsoft\\Internet Explorer\\Quick Launch";

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

// The file-system path of a shell item, as the shell spells it: nullopt for an item
// that is no file-system folder. The ANSI form of a path can need up to twice as many
// bytes as the shell's path limit, so the path is taken in UTF-16.
std::optional<std::wstring> WidePath(LPCITEMIDLIST item) {
    // One unit more than the shell writes, so that the text always ends.
    WCHAR buffer[MAX_PATH + 1] = {};
    if (!item || !SHGetPathFromIDListW(item, buffer)) {
        return std::nullopt;
    }
    const size_t length = wcsnlen(buffer, MAX_PATH + 1);
    // A path that fills the limit may have been cut.
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    return std::wstring(buffer, length);
}

// What a shell item's path is to this program.
struct ItemPath {
    bool isFolder = false;            // the item has a file-system path
    std::optional<std::string> ansi;  // that path, when the ANSI code page spells it exactly
};

ItemPath PathOfItem(LPCITEMIDLIST item) {
    const std::optional<std::wstring> wide = WidePath(item);
    if (!wide) {
        return {};
    }
    return {true, ExactAnsiText(*wide)};
}

// The folder's path, or empty when the shell cannot say (never a stale buffer).
std::string SpecialFolderPath(HWND owner, int folderId) {
    std::string path;
    GetSpecialFolderPath(owner, folderId, path);
    return path;
}

}  // namespace

int GetSpecialFolderPath(HWND owner, int folderId, std::string& path) {
    path.clear();
    ShellAllocator allocator;
    if (!allocator) {
        return 0;
    }
    LPITEMIDLIST location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, folderId, &location))) {
        return 0;
    }
    const ItemIdList list(location, allocator.get());
    // A folder that the code page cannot spell is left out rather than spelt with
    // best-fit stand-ins, which would name another folder.
    const ItemPath found = PathOfItem(list.get());
    if (!found.ansi) {
        return 0;
    }
    path = *found.ansi;
    return 1;
}

int CALLBACK FolderBrowserCallback(HWND browser, UINT message, LPARAM lParam, LPARAM) {
    if (message == BFFM_SELCHANGED) {
        // The status line shows the full path of the highlighted folder; an item that
        // is no file-system folder leaves it as it was, and a folder that cannot be a
        // destination shows none.
        const ItemPath found = PathOfItem(reinterpret_cast<LPCITEMIDLIST>(lParam));
        if (found.isFolder) {
            const char* status = found.ansi ? found.ansi->c_str() : "";
            SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status));
        }
    }
    return 0;
}

FolderChoice BrowseForFolder(HWND owner, std::string& outPath, const char* title) {
    const ComApartment apartment;
    ShellAllocator allocator;
    if (!allocator) {
        return FolderChoice::Cancelled;
    }

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;  // the desktop, with nothing selected
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = FolderBrowserCallback;
    info.lParam = 0;
    info.iImage = 0;

    const ItemIdList chosen(SHBrowseForFolderA(&info), allocator.get());
    if (!chosen) {
        return FolderChoice::Cancelled;
    }
    // A choice without a file-system path is no folder a shortcut can go into.
    const ItemPath found = PathOfItem(chosen.get());
    if (!found.isFolder) {
        return FolderChoice::Cancelled;
    }
    if (!found.ansi) {
        return FolderChoice::NotRepresentable;
    }
    outPath = *found.ansi;
    return FolderChoice::Chosen;
}

bool QuickLaunchHasFiles(const std::string& folder) {
    CFileFind search;
    if (!search.FindFile(folder) || !search.FindFile(folder + "\\*.*")) {
        return false;
    }
    // "." and ".." are folders too, so an empty folder has no file.
    do {
        if (!search.IsDirectory()) {
            return true;
        }
    } while (search.FindNext());
    return false;
}

std::vector<WellKnownFolder> FindWellKnownFolders(HWND owner) {
    std::vector<WellKnownFolder> folders;
    folders.push_back(
        {LoadResourceString(IDS_LABEL_DESKTOP), SpecialFolderPath(owner, CSIDL_DESKTOPDIRECTORY)});
    folders.push_back(
        {LoadResourceString(IDS_LABEL_START_MENU), SpecialFolderPath(owner, CSIDL_STARTMENU)});
    // Without the application data folder there is no Quick Launch folder to probe.
    const std::string appData = SpecialFolderPath(owner, CSIDL_APPDATA);
    if (!appData.empty()) {
        const std::string quickLaunch = appData + kQuickLaunchBelowAppData;
        if (QuickLaunchHasFiles(quickLaunch)) {
            folders.push_back({LoadResourceString(IDS_LABEL_QUICK_LAUNCH), quickLaunch});
        }
    }
    folders.push_back(
        {LoadResourceString(IDS_LABEL_FAVORITES), SpecialFolderPath(owner, CSIDL_FAVORITES)});
    return folders;
}
