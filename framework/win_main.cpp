// The process entry point: runs the program's one application object.
#include <windows.h>

#include "framework/win_app.h"

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Libraries that system code loads later by bare name (the visual styles, shell
// extensions in the folder browser, the help viewer's own) come from the system folder
// only, not from the program's folder: a program run from a download folder must not
// load what else was downloaded there. The function exists on Windows 8 and later, and
// on Vista and 7 with update KB2533623 (Microsoft's page on SetDefaultDllDirectories);
// it is looked up at run time, and where it is missing the old search order stays.
void LoadLibrariesFromTheSystemFolderOnly() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) {
        return;
    }
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LoadLibrariesFromTheSystemFolderOnly();
    CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->Run() : 1;
}
