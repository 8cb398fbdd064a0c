#include "shortcut/win32_shortcut_store.h"

#include <windows.h>

#include "shortcut/win32_shortcut_file.h"

namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (valid()) {
            FindClose(handle_);
        }
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

}  // namespace

bool Win32ShortcutStore::Exists(const std::string& path) {
    // A search rather than an attribute query: folders count too, and "?" and "*"
    // in a typed name match whatever they match in a search.
    WIN32_FIND_DATAA found;
    const FindHandle search(FindFirstFileA(path.c_str(), &found));
    return search.valid();
}

std::unique_ptr<ShortcutFile> Win32ShortcutStore::Open(const std::string& path) {
    return Win32ShortcutFile::Open(path);
}
