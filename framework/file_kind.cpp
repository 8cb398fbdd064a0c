#include "framework/file_kind.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/path_names.h"

namespace {

// A full path of MAX_PATH characters or more reaches the file system only in the
// "\\?\" form, which the system takes as it is: it is made whole first.
std::wstring LongPathForm(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.compare(0, 4, L"\\\\?\\") == 0) {
        return path;
    }
    const std::wstring full = FullPathName(path);
    if (full.compare(0, 2, L"\\\\") == 0) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

}  // namespace

bool IsFile(const std::wstring& path) {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    return IsFile(WideFromAnsi(path));
}
