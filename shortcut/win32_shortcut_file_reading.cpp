#include "shortcut/win32_shortcut_file_reading.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/path_names.h"
#include "shortcut/shortcut_reader.h"

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path) {
    // Shared for writing and deletion: a shortcut being written elsewhere is still
    // read, and a program that holds it open is not disturbed. The security flags stop
    // a named pipe behind the path from acting as the user.
    const FileHandle file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
        nullptr));
    if (file.get() == INVALID_HANDLE_VALUE || GetFileType(file.get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    std::string bytes(kMaxShortcutFileBytes + 1, '\0');
    size_t total = 0;
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), &bytes[total], static_cast<DWORD>(bytes.size() - total), &read,
                      nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        total += read;
    }
    bytes.resize(total);
    return bytes;
}

bool IsSameShortcutPath(const std::string& first, const std::string& second) {
    const std::wstring a = LongPathName(WideFromAnsi(first));
    const std::wstring b = LongPathName(WideFromAnsi(second));
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

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
           CompareStringOrdinal(file.c_str(), static_cast<int>(temp.size()), temp.c_str(),
                                static_cast<int>(temp.size()), TRUE) == CSTR_EQUAL;
}

HandedOverPath DescribeHandedOverPath(const std::wstring& givenPath) {
    // The name the user sees, also when the caller passed short names.
    const std::wstring path = LongPathName(givenPath);
    HandedOverPath item;
    item.path = ExactAnsiText(path);
    if (!item.path) {
        return item;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    item.isFolder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!item.isFolder) {
        item.bytes = ReadShortcutFileBytes(path);
        item.belowTemporaryFolder = IsBelowTemporaryFolder(path);
    }
    return item;
}
