// Where the tests under Wine find the ravlet.exe of their build.
#pragma once

#include <windows.h>

#include <string>

// The test executable sits in BUILD\tests\wine, the program in BUILD.
inline std::string BuiltProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    for (int level = 0; level < 3; ++level) {
        folder.resize(folder.find_last_of('\\'));
    }
    return folder + "\\ravlet.exe";
}
