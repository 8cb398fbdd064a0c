#include "destinations/win32_shell_folders.h"

#include <shellapi.h>
#include <shlwapi.h>

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

// True when the shell item is a file-system folder or file.
bool IsFileSystemItem(LPCITEMIDLIST item) {
    SHFILEINFOW info = {};
    return SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info,
                          SHGFI_PIDL | SHGFI_ATTRIBUTES) &&
           (info.dwAttributes & SFGAO_FILESYSTEM);
}

// The item's parsing name, which for a file-system item is its full path at any length.
std::wstring ParsingName(LPCITEMIDLIST item) {
    ComReference<IShellFolder> desktop;
    STRRET name = {};
    if (FAILED(SHGetDesktopFolder(desktop.out())) ||
        FAILED(desktop->GetDisplayNameOf(item, SHGDN_FORPARSING, &name))) {
        return {};
    }
    LPWSTR text = nullptr;
    if (FAILED(StrRetToStrW(&name, item, &text))) {
        return {};
    }
    std::wstring result(text);
    CoTaskMemFree(text);
    return result;
}

// True when path names the item itself, not an ancestor or another folder.
bool LeadsBackTo(const WCHAR* path, LPCITEMIDLIST item) {
    LPITEMIDLIST parsed = nullptr;
    if (FAILED(SHParseDisplayName(path, nullptr, &parsed, 0, nullptr))) {
        return false;
    }
    const bool same = ILIsEqual(parsed, item);
    CoTaskMemFree(parsed);
    return same;
}

// What a shell item's path is to this program.
struct ItemPath {
    bool isFolder = false;            // the item has a file-system path
    bool tooLong = false;             // ... of MAX_PATH (260) characters or more
    std::optional<std::string> ansi;  // that path, when code page 932 spells it exactly
};

ItemPath PathOfItem(LPCITEMIDLIST item) {
    if (!item) {
        return {};
    }
    // The ANSI form of a path can need up to twice as many bytes as the shell's path
    // limit, so the path is taken in UTF-16; one unit more than the shell writes, so
    // that the text always ends.
    WCHAR buffer[MAX_PATH + 1] = {};
    const bool found = SHGetPathFromIDListW(item, buffer);
    const size_t length = found ? wcsnlen(buffer, MAX_PATH + 1) : 0;
    // A longer path fails on Windows and comes back cut to MAX_PATH - 1 characters under
    // Wine (its parsing name too): a path of that length is believed only when it leads
    // back to the item. A folder too long for the shell is told apart from an item with
    // no path at all.
    const bool cut = length == MAX_PATH - 1 && !LeadsBackTo(buffer, item);
    if (length == 0 || cut) {
        const bool tooLong =
            IsFileSystemItem(item) && (cut || ParsingName(item).size() >= MAX_PATH);
        return {tooLong, tooLong, std::nullopt};
    }
    if (length < MAX_PATH) {
        return {true, false, ExactAnsiText(std::wstring(buffer, length))};
    }
    return {};
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
            const std::wstring status = found.ansi ? WideFromAnsi(*found.ansi) : std::wstring();
            SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(status.c_str()));
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

    wchar_t displayName[MAX_PATH] = {};
    const std::wstring wideTitle = WideFromAnsi(title != nullptr ? title : "");
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;  // the desktop, with nothing selected
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = FolderBrowserCallback;
    info.lParam = 0;
    info.iImage = 0;

    const ItemIdList chosen(SHBrowseForFolderW(&info), allocator.get());
    if (!chosen) {
        return FolderChoice::Cancelled;
    }
    return ChoiceOfItem(chosen.get(), outPath);
}

FolderChoice ChoiceOfItem(LPCITEMIDLIST item, std::string& outPath) {
    // A choice without a file-system path is no folder a shortcut can go into.
    const ItemPath found = PathOfItem(item);
    if (!found.isFolder) {
        return FolderChoice::Cancelled;
    }
    if (found.tooLong) {
        return FolderChoice::TooLong;
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

std::vector<WellKnownFolder> FindWellKnownFolders(HWND owner, const std::string& appData) {
    std::vector<WellKnownFolder> folders;
    folders.push_back(
        {LoadResourceString(IDS_LABEL_DESKTOP), SpecialFolderPath(owner, CSIDL_DESKTOPDIRECTORY)});
    folders.push_back(
        {LoadResourceString(IDS_LABEL_START_MENU), SpecialFolderPath(owner, CSIDL_STARTMENU)});
    // Without the application data folder there is no Quick Launch folder to probe.
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
