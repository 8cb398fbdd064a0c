#include "framework/path_names.h"

#include <windows.h>

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

bool SamePathText(std::wstring_view first, std::wstring_view second) {
    return CompareStringOrdinal(first.data(), static_cast<int>(first.size()), second.data(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}
