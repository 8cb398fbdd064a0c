#include "framework/file_bytes.h"

#include <windows.h>

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
    std::string bytes(limit, '\0');
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
