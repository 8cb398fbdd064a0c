// The process entry point: runs the program's one application object.
#include <windows.h>

#include "framework/win_app.h"

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Libraries that system code loads later by bare name (the visual styles, shell
// extensions in the folder browser, the help viewer's own) come from the system folder
// only, never from the program's folder: a program run from a download folder must not
// load what else was downloaded there. Looked up at run time: Vista, and 7 without its
// update, lack the function and keep the old search.
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
