#include "shortcut/win32_shortcut_file_reading.h"

#include <windows.h>

#include "framework/exact_ansi.h"
#include "framework/file_bytes.h"
#include "framework/path_names.h"
#include "shortcut/shortcut_reader.h"

namespace {

// A value no longer than the largest file the reader takes.
constexpr DWORD kMaxValueChars = kMaxShortcutFileBytes + 2;

// The value as GetPrivateProfileStringW returns it with the default given, grown until
// it fits.
std::wstring ProfileString(const std::wstring& path, const wchar_t* section, const wchar_t* key,
                           const wchar_t* fallback) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        const DWORD length = GetPrivateProfileStringW(
            section, key, fallback, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        // A value that fills the buffer may have been cut.
        if (length + 1 < buffer.size() || buffer.size() >= kMaxValueChars) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The value, or nullopt when the key is missing or has no "=": then, and only then,
// each of two different defaults comes back.
std::optional<std::wstring> ProfileValue(const std::wstring& path, const wchar_t* section,
                                         const wchar_t* key) {
    const wchar_t* const kFirst = L"\x01";
    const wchar_t* const kSecond = L"\x02";
    std::wstring value = ProfileString(path, section, key, kFirst);
    if (value == kFirst && ProfileString(path, section, key, kSecond) == kSecond) {
        return std::nullopt;
    }
    return value;
}

// A name of the file that the profile functions open. Their page promises no "\\?\" form
// (CreateFileW's and ReplaceFileW's do), and Wine's make the full name in a MAX_PATH buffer, so a
// new file beside a target near MAX_PATH is named by its short (8.3) name, which GetShortPathNameW
// gives for a "\\?\" name too. Empty when the name does not fit even so (a volume without short
// names).
std::wstring ProfileFileName(const std::wstring& path) {
    const std::wstring plain = PlainPath(path);
    if (plain.size() < MAX_PATH) {
        return plain;
    }
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring shortName(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), &shortName[0], size);
    if (length == 0 || length >= size) {
        return {};
    }
    shortName.resize(length);
    shortName = PlainPath(shortName);
    return shortName.size() < MAX_PATH ? shortName : std::wstring();
}

// A copy of a file under the temporary folder, whose name the profile functions take:
// they read the bytes alike wherever the file lies. Removed when done.
class ShortNamedCopy {
public:
    explicit ShortNamedCopy(const std::wstring& path) {
        wchar_t folder[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
        wchar_t name[MAX_PATH];
        if (length == 0 || length > MAX_PATH || !GetTempFileNameW(folder, L"rvl", 0, name)) {
            return;
        }
        name_ = name;
        if (!CopyFileW(path.c_str(), name, FALSE)) {
            DeleteFileW(name);
            name_.clear();
        }
    }
    ShortNamedCopy(const ShortNamedCopy&) = delete;
    ShortNamedCopy& operator=(const ShortNamedCopy&) = delete;
    ~ShortNamedCopy() {
        if (!name_.empty()) {
            DeleteFileW(name_.c_str());
        }
    }
    // Empty when no copy could be made.
    const std::wstring& name() const { return name_; }

private:
    std::wstring name_;
};

WindowsProfileReading ReadProfileFile(const std::wstring& path) {
    WindowsProfileReading reading;
    const auto read = [&path](const wchar_t* section, const wchar_t* key) {
        const std::optional<std::wstring> value = ProfileValue(path, section, key);
        return value ? std::optional<std::u16string>(std::u16string(value->begin(), value->end()))
                     : std::nullopt;
    };
    reading.url = read(L"InternetShortcut", L"URL");
    reading.urlA = read(L"InternetShortcut.A", L"URL");
    reading.urlW = read(L"InternetShortcut.W", L"URL");
    reading.iconFile = read(L"InternetShortcut", L"IconFile");
    reading.iconIndex = read(L"InternetShortcut", L"IconIndex");
    return reading;
}

}  // namespace

std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path) {
    return ReadFileStart(path, kMaxShortcutFileBytes + 1);
}

bool IsSameShortcutPath(const std::string& first, const std::string& second) {
    return SamePathText(LongPathName(WideFromAnsi(first)), LongPathName(WideFromAnsi(second)));
}

WindowsProfileReading ReadAsWindowsDoes(const std::wstring& path) {
    const std::wstring name = ProfileFileName(path);
    if (!name.empty()) {
        return ReadProfileFile(name);
    }
    // Neither name fits: Windows reads the same bytes under a short name of their own.
    const ShortNamedCopy copy(path);
    if (copy.name().empty()) {
        // Nothing Windows read can be vouched for.
        WindowsProfileReading unread;
        unread.asked = false;
        return unread;
    }
    return ReadProfileFile(copy.name());
}
