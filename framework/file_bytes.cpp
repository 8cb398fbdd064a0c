#include "framework/file_bytes.h"

#include <windows.h>

#include <algorithm>

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

std::optional<std::string> ReadFileStart(const std::wstring& path, size_t limit) {
    // Shared for writing and deletion: a file being written elsewhere is still read,
    // and a program that holds it open is not disturbed. The security flags stop a
    // named pipe behind the path from acting as the user.
    const FileHandle file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
        nullptr));
    if (file.get() == INVALID_HANDLE_VALUE || GetFileType(file.get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    // Sized by the file, not the limit: the start reads the settings file this way, and a
    // buffer of the whole limit would be allocated and cleared at every start.
    LARGE_INTEGER size = {};
    const size_t expected = GetFileSizeEx(file.get(), &size) && size.QuadPart >= 0 &&
                                    static_cast<unsigned long long>(size.QuadPart) < limit
                                ? static_cast<size_t>(size.QuadPart) + 1
                                : limit;
    std::string bytes(expected, '\0');
    size_t total = 0;
    while (total < limit) {
        // A file that grew since its size was asked is read on, up to the limit.
        if (total == bytes.size()) {
            bytes.resize(std::min(limit, bytes.size() * 2));
        }
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
