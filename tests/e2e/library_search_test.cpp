// A library with a system library's name, left beside the program (a download folder
// holds anything), is not the one the program loads: libraries loaded by bare name
// come from the system folder.
#include <windows.h>

#include <tlhelp32.h>

#include "driver/ravlet_test.h"

namespace e2e {
namespace {

// Full path of the module of that name in the process, or empty.
std::string ModulePathIn(DWORD processId, const char* moduleName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return {};
    }
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    std::string path;
    for (BOOL more = Module32First(snapshot, &entry); more && path.empty();
         more = Module32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szModule, moduleName) == 0) {
            path = entry.szExePath;
        }
    }
    CloseHandle(snapshot);
    return path;
}

using LibrarySearch = RavletTest;

TEST_F(LibrarySearch, AVisualStylesLibraryBesideTheProgramIsNotLoaded) {
    program_.reset();
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    const std::string systemCopy = std::string(system) + "\\uxtheme.dll";
    ASSERT_TRUE(CopyFileA(systemCopy.c_str(), (folder_ + "\\uxtheme.dll").c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(StartRavlet());
    const std::string loaded = ModulePathIn(program_->ProcessId(), "uxtheme.dll");
    ASSERT_FALSE(loaded.empty()) << "the dialog runs without the visual styles library";
    EXPECT_EQ(lstrcmpiA(loaded.c_str(), systemCopy.c_str()), 0) << loaded;
}

}  // namespace
}  // namespace e2e
