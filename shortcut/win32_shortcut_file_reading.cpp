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

}  // namespace

std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path) {
    return ReadFileStart(path, kMaxShortcutFileBytes + 1);
}

bool IsSameShortcutPath(const std::string& first, const std::string& second) {
    return SamePathText(LongPathName(WideFromAnsi(first)), LongPathName(WideFromAnsi(second)));
}

WindowsProfileReading ReadAsWindowsDoes(const std::wstring& path) {
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
