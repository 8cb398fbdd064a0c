#include "shortcut/win32_shortcut_file.h"

#include "shortcut/file_error.h"

namespace {

constexpr size_t kBufferBytes = 4096;

}  // namespace

std::unique_ptr<Win32ShortcutFile> Win32ShortcutFile::Open(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    // "NUL.url" or "COM1.url" opens the device itself: nothing would be saved.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::unique_ptr<Win32ShortcutFile>(new Win32ShortcutFile(path, handle));
}

Win32ShortcutFile::Win32ShortcutFile(std::string path, HANDLE handle)
    : path_(std::move(path)), handle_(handle) {
    buffer_.reserve(kBufferBytes);
}

Win32ShortcutFile::~Win32ShortcutFile() {
    try {
        Close();
    } catch (const FileError&) {
        // Nobody is left to tell.
    }
}

void Win32ShortcutFile::WriteString(std::string_view text) {
    if (!IsOpen()) {
        return;
    }
    // The buffer holds the bytes as the program wrote them; line feeds become
    // carriage return and line feed on their way to the disk.
    for (char ch : text) {
        buffer_ += ch;
        if (buffer_.size() >= kBufferBytes) {
            WriteBuffer();
        }
    }
}

void Win32ShortcutFile::Close() {
    if (!IsOpen()) {
        return;
    }
    WriteBuffer();
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) {
        throw FileError(path_);
    }
}

void Win32ShortcutFile::Discard() {
    if (IsOpen()) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    buffer_.clear();
    // Once only: a later file of the same name is not ours.
    if (!discarded_) {
        discarded_ = true;
        DeleteFileA(path_.c_str());
    }
}

void Win32ShortcutFile::WriteBuffer() {
    std::string onDisk;
    onDisk.reserve(buffer_.size() * 2);
    for (char ch : buffer_) {
        if (ch == '\n') {
            onDisk += '\r';
        }
        onDisk += ch;
    }
    size_t done = 0;
    while (done < onDisk.size()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(onDisk.size() - done);
        if (!WriteFile(handle_, onDisk.data() + done, size, &written, nullptr) || written == 0) {
            Fail();
        }
        done += written;
    }
    buffer_.clear();
}

void Win32ShortcutFile::Fail() {
    // Closed at once, so that the error cannot come back at Close.
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    buffer_.clear();
    throw FileError(path_);
}
