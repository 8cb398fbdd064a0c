#include "shortcut/win32_shortcut_store.h"

#include <windows.h>

#include <cctype>

#include "shortcut/win32_shortcut_file.h"
#include "text/multibyte.h"

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

// True when the last part of path is a name Windows keeps for a device ("NUL.url",
// "com1.url", "CON"): a search may report such a name as found, but there is no file
// to replace, and the open that follows is refused.
bool NamesDevice(const std::string& path) {
    size_t start = 0;
    for (size_t pos = 0; pos < path.size(); pos += mbtext::CharLength(path, pos)) {
        if (path[pos] == '\\' || path[pos] == '/' || path[pos] == ':') {
            start = pos + 1;
        }
    }
    std::string base = path.substr(start, path.find('.', start) - start);
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    for (char& ch : base) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices) {
        if (base == device) {
            return true;
        }
    }
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool Win32ShortcutStore::Exists(const std::string& path) {
    // A search rather than an attribute query: folders count too, and "?" and "*"
    // in a typed name match whatever they match in a search.
    WIN32_FIND_DATAA found;
    const FindHandle search(FindFirstFileA(path.c_str(), &found));
    return search.valid() && !NamesDevice(path);
}

std::unique_ptr<ShortcutFile> Win32ShortcutStore::Open(const std::string& path) {
    return Win32ShortcutFile::Open(path);
}
