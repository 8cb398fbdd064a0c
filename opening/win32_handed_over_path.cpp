#include "opening/win32_handed_over_path.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/path_names.h"
#include "shortcut/win32_shortcut_file_reading.h"

bool IsBelowTemporaryFolder(const std::wstring& path) {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return false;
    }
    const std::wstring temp = LongPathName(buffer);
    const std::wstring file = LongPathName(path);
    // The temporary path ends in "\", so a sibling folder with a longer name never matches.
    return file.size() > temp.size() &&
           SamePathText(std::wstring_view(file).substr(0, temp.size()), temp);
}

HandedOverPath DescribeHandedOverPath(const std::wstring& givenPath) {
    // The name the user sees, also when the caller passed short names.
    const std::wstring path = LongPathName(givenPath);
    HandedOverPath item;
    item.path = ExactAnsiText(path);
    // Asked also for a name the code page cannot spell: the box says file or folder.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    item.isFolder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (item.path && !item.isFolder) {
        item.bytes = ReadShortcutFileBytes(path);
        item.windows = ReadAsWindowsDoes(path);
        item.belowTemporaryFolder = IsBelowTemporaryFolder(path);
    }
    return item;
}
