// ravlet's main dialog template with only the system work ravlet must do before its
// dialog shows: the four shell-folder lookups and the probe of the Quick Launch folder,
// through the same DLLs. The start-up benchmark's fair floor: what ravlet takes beyond
// it is the program's own doing.
#include <windows.h>

#include <shlobj.h>

#include <string>

#include "end_only_dialog_proc.h"
#include "res/resource.h"

namespace {

// The same shell calls as ravlet's: the shell's allocator, the item id list, its path
// in UTF-16.
std::wstring FolderPath(HWND owner, int folderId) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        return {};
    }
    LPITEMIDLIST location = nullptr;
    WCHAR path[MAX_PATH + 1] = {};
    if (SUCCEEDED(SHGetSpecialFolderLocation(owner, folderId, &location))) {
        SHGetPathFromIDListW(location, path);
        allocator->Free(location);
    }
    allocator->Release();
    return path;
}

bool HasFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool found = false;
    do {
        found = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

INT_PTR CALLBACK LookUpFoldersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        FolderPath(dialog, CSIDL_DESKTOPDIRECTORY);
        FolderPath(dialog, CSIDL_STARTMENU);
        const std::wstring appData = FolderPath(dialog, CSIDL_APPDATA);
        if (!appData.empty()) {
            HasFiles(appData + L"\\Microsoft\\Internet Explorer\\Quick Launch");
        }
        FolderPath(dialog, CSIDL_FAVORITES);
        // ravlet imports GDI32 and ole32 too: the same DLLs load, in the same way.
        GdiFlush();
        CoTaskMemFree(nullptr);
    }
    return EndOnlyDialogProc(dialog, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, LookUpFoldersDialogProc, 0);
    return 0;
}
