#include "shortcut/win32_shortcut_file.h"

#include "shortcut/file_error.h"

namespace {

constexpr size_t kBufferBytes = 4096;

}  // namespace

std::unique_ptr<Win32ShortcutFile> Win32ShortcutFile::Open(const std::string& path) {
    // DELETE lets a partial file be marked for deletion through this handle. The
    // security flags stop a named pipe behind the path from acting as the user.
    const HANDLE handle = CreateFileA(
        path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    // A device or a pipe would swallow the shortcut: nothing would be saved.
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
    if (IsOpen()) {
        CloseNow();
    }
}

void Win32ShortcutFile::WriteString(std::string_view text) {
    if (!IsOpen() || failed_) {
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
    // After a failure the handle stays for Discard; the destructor closes it.
    if (!IsOpen() || failed_) {
        return;
    }
    WriteBuffer();
    if (!CloseNow()) {
        throw FileError(path_);
    }
}

void Win32ShortcutFile::Discard() {
    buffer_.clear();
    if (!IsOpen()) {
        return;
    }
    // Marked through the handle, not deleted by name after the close: a file that
    // someone else makes under the same name in between is not ours to delete.
    // Readers that share deletion do not stop it; the file goes when they close.
    FILE_DISPOSITION_INFO disposition = {TRUE};
    SetFileInformationByHandle(handle_, FileDispositionInfo, &disposition, sizeof disposition);
    CloseNow();
}

bool Win32ShortcutFile::CloseNow() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
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
    // Nothing more is written, so that the error cannot come back at Close; the handle
    // stays open so that Discard can still remove the file.
    failed_ = true;
    buffer_.clear();
    throw FileError(path_);
}
