// A shortcut file on disk, written like a text-mode stream with a 4096-byte buffer:
// each "\n" reaches the file as "\r\n", and a short body reaches it only at Close.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "shortcut/shortcut_store.h"

class Win32ShortcutFile : public ShortcutFile {
public:
    // Creates or truncates path for writing, sharing it for reading only. Null when
    // that fails or when the path opens anything but a file on disk (a device, a pipe).
    // The file is opened with the right to delete it, so that a partial file can be
    // removed through its own handle; readers must share deletion while it is open.
    static std::unique_ptr<Win32ShortcutFile> Open(const std::string& path);

    Win32ShortcutFile(const Win32ShortcutFile&) = delete;
    Win32ShortcutFile& operator=(const Win32ShortcutFile&) = delete;
    // Closes a file still open, keeping what was written; errors are lost here, so
    // callers close explicitly.
    ~Win32ShortcutFile() override;

    // After a failure writing and closing do nothing, as the failure has been reported
    // already; the handle stays until Discard or the destructor.
    void WriteString(std::string_view text) override;
    void Close() override;
    void Discard() override;

private:
    Win32ShortcutFile(std::string path, HANDLE handle);

    void WriteBuffer();
    [[noreturn]] void Fail();
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes the handle, reporting whether the close succeeded.
    bool CloseNow();

    std::string path_;
    HANDLE handle_;
    std::string buffer_;
    bool failed_ = false;
};
