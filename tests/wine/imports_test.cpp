// What the built ravlet.exe imports: system DLLs only, and none of the DPI functions of
// newer Windows, which the program looks up at run time so that it still starts where
// they are missing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tests/wine/built_program.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

struct Imports {
    std::set<std::string> dlls;          // lower case
    std::vector<std::string> functions;  // imported by name
};

// Walks the import directory of the image mapped without running or resolving anything.
Imports ReadImports(HMODULE image) {
    Imports imports;
    const auto* base = reinterpret_cast<const BYTE*>(image);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) {
        return imports;
    }
    for (const auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        imports.dlls.insert(Lower(reinterpret_cast<const char*>(base + entry->Name)));
        const DWORD thunks =
            entry->OriginalFirstThunk ? entry->OriginalFirstThunk : entry->FirstThunk;
        for (const auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + thunks);
             thunk->u1.AddressOfData != 0; ++thunk) {
            if (!IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) {
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + thunk->u1.AddressOfData);
                imports.functions.push_back(reinterpret_cast<const char*>(byName->Name));
            }
        }
    }
    return imports;
}

TEST(ProgramImports, OnlySystemDllsAndNoDpiFunctionsOfNewerWindows) {
    const std::string path = BuiltProgramPath();
    HMODULE image = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr) << "cannot map " << path;
    const Imports imports = ReadImports(image);
    FreeLibrary(image);

    const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                          "shell32.dll",  "ole32.dll",    "msvcrt.dll",
                                          "comctl32.dll", "advapi32.dll", "shlwapi.dll"};
    EXPECT_TRUE(imports.dlls.count("user32.dll"));
    EXPECT_GT(imports.functions.size(), 50u);
    for (const std::string& dll : imports.dlls) {
        EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";
    }
    // Windows 8.1 and 10 added these; Vista and 7 have none of them.
    for (const std::string& function : imports.functions) {
        EXPECT_EQ(function.find("Dpi"), std::string::npos) << function;
    }
}

// The program's text is code page 932 whatever the system's code page is, so every
// call that carries text beyond ASCII is a wide one. These ANSI calls carry none.
TEST(ProgramImports, AnsiCallsCarryNoTextBeyondAscii) {
    const std::string path = BuiltProgramPath();
    HMODULE image = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(image, nullptr) << "cannot map " << path;
    const Imports imports = ReadImports(image);
    FreeLibrary(image);

    const std::set<std::string> asciiOnly = {
        // Resource ids, window messages without text, a bitmap's size, a monitor's
        // rectangle, a message hook, module and lock names spelt in ASCII.
        "LoadIconA", "LoadBitmapA", "PostMessageA", "SendMessageA", "GetObjectA", "GetMonitorInfoA",
        "SetWindowsHookExA", "GetModuleHandleA", "CreateMutexA",
        // The C and C++ run-time's own (the 32-bit one loads its unwinder's DLL by name).
        "CreateEventA", "CreateSemaphoreA", "OutputDebugStringA", "GetStartupInfoA",
        "LoadLibraryA"};
    for (const std::string& function : imports.functions) {
        const bool ansi = function.size() > 1 && function.back() == 'A' &&
                          std::islower(static_cast<unsigned char>(function[function.size() - 2]));
        EXPECT_TRUE(!ansi || asciiOnly.count(function)) << function;
    }
}

}  // namespace
