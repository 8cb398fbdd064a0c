#include "driver/test_environment.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

void DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// Says once, before the scenarios, which program they run and for which machine.
class ProgramUnderTestNote : public testing::Environment {
public:
    void SetUp() override {
        DWORD type = 0;
        const std::string exe = BuiltRavletExe();
        const char* build = !GetBinaryTypeA(exe.c_str(), &type) ? "not found"
                            : type == SCS_64BIT_BINARY          ? "64-bit"
                            : type == SCS_32BIT_BINARY          ? "32-bit"
                                                                : "not a Windows program";
        std::printf("ravlet under test: %s (%s)\n", exe.c_str(), build);
        std::fflush(stdout);
    }
};

testing::Environment* const programUnderTestNote =
    testing::AddGlobalTestEnvironment(new ProgramUnderTestNote);

}  // namespace

std::string BuiltRavletExe() {
    // Set by the Wine session (tests/wine/wine-session.sh).
    char path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("RAVLET_PROGRAM_WINE", path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : "D:\\ravlet.exe";
}

std::string ScreenshotFolder() {
    return "D:\\e2e-screenshots";
}

std::string FullVolumeFolder() {
    return "D:\\fullvol";
}

std::string NetworkDrive() {
    return "N:\\";
}

std::string DriverFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string FreshFolder(const std::string& name) {
    const std::string root = "C:\\e2e";
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string folder = root + "\\" + name;
    DeleteTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace e2e
