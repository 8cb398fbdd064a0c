#include "shortcut/win32_shortcut_file_reading.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/file_bytes.h"
#include "framework/path_names.h"
#include "shortcut/shortcut_reader.h"

std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path) {
    return ReadFileStart(path, kMaxShortcutFileBytes + 1);
}

bool IsSameShortcutPath(const std::string& first, const std::string& second) {
    return SamePathText(LongPathName(WideFromAnsi(first)), LongPathName(WideFromAnsi(second)));
}
