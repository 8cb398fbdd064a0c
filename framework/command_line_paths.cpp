#include "framework/command_line_paths.h"

#include <windows.h>

#include <shellapi.h>

#include "framework/path_names.h"

std::vector<std::wstring> CommandLinePaths(const wchar_t* commandLine) {
    std::vector<std::wstring> paths;
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) {
        return paths;
    }
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (!argument.empty() && argument[0] != L'/' &&
            GetFileAttributesW(argument.c_str()) != INVALID_FILE_ATTRIBUTES) {
            paths.push_back(FullPathName(argument));
        }
    }
    LocalFree(arguments);
    return paths;
}
