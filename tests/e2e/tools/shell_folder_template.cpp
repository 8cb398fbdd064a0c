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

std::string FolderPath(HWND owner, int folderId) {
    LPITEMIDLIST location = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, folderId, &location))) {
        return {};
    }
    char path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListA(location, path) != FALSE;
    CoTaskMemFree(location);
    return found ? path : "";
}

bool HasFiles(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool found = false;
    do {
        found = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    } while (!found && FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

INT_PTR CALLBACK LookUpFoldersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        FolderPath(dialog, CSIDL_DESKTOPDIRECTORY);
        FolderPath(dialog, CSIDL_STARTMENU);
        const std::string appData = FolderPath(dialog, CSIDL_APPDATA);
        if (!appData.empty()) {
            HasFiles(appData + "\\Microsoft\\Internet Explorer\\Quick Launch");
        }
        FolderPath(dialog, CSIDL_FAVORITES);
        // ravlet draws with GDI32 too: the same DLLs load.
        GdiFlush();
    }
    return EndOnlyDialogProc(dialog, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, LookUpFoldersDialogProc, 0);
    return 0;
}
