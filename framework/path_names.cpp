#include "framework/path_names.h"

#include <windows.h>

#include <iterator>

namespace {

// Both functions answer the size they need when the buffer is too small.
template <typename Query>
std::wstring AskedPath(const std::wstring& path, Query query) {
    const DWORD size = query(path.c_str(), nullptr, 0);
    if (size == 0) {
        return path;
    }
    std::wstring result(size, L'\0');
    const DWORD length = query(path.c_str(), &result[0], size);
    if (length == 0 || length >= size) {
        return path;
    }
    result.resize(length);
    return result;
}

}  // namespace

std::wstring FullPathName(const std::wstring& path) {
    return AskedPath(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetFullPathNameW(in, size, out, nullptr);
    });
}

std::wstring LongPathName(const std::wstring& path) {
    return AskedPath(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetLongPathNameW(in, out, size);
    });
}

namespace {

constexpr wchar_t kExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";

bool StartsWith(const std::wstring& text, std::wstring_view start) {
    return text.compare(0, start.size(), start) == 0;
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& fullPath) {
    if (StartsWith(fullPath, L"\\\\?\\") || StartsWith(fullPath, L"\\\\.\\")) {
        return fullPath;
    }
    if (StartsWith(fullPath, L"\\\\")) {
        return kExtendedUncPrefix + fullPath.substr(2);
    }
    if (fullPath.size() >= 3 && IsDriveLetter(fullPath[0]) && fullPath[1] == L':' &&
        fullPath[2] == L'\\') {
        return kExtendedPrefix + fullPath;
    }
    return fullPath;
}

std::wstring PlainPath(const std::wstring& path) {
    if (StartsWith(path, kExtendedUncPrefix)) {
        return L"\\\\" + path.substr(std::size(kExtendedUncPrefix) - 1);
    }
    if (StartsWith(path, kExtendedPrefix) && path.size() >= 6 && IsDriveLetter(path[4]) &&
        path[5] == L':') {
        return path.substr(std::size(kExtendedPrefix) - 1);
    }
    return path;
}

std::wstring NameBeside(const std::wstring& path, std::wstring_view suffix) {
    // The "\\?\" form turns off the normalisation ("/", "..", trailing dots) that a
    // plain name gets, so it is made from the full name.
    const std::wstring full = FullPathName(path);
    if (full.size() + suffix.size() < MAX_PATH) {
        return path + std::wstring(suffix);
    }
    return ExtendedLengthPath(full) + std::wstring(suffix);
}

bool SamePathText(std::wstring_view first, std::wstring_view second) {
    return CompareStringOrdinal(first.data(), static_cast<int>(first.size()), second.data(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}
