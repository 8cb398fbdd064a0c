#include "framework/resource_string.h"

#include <windows.h>

#include "framework/exact_ansi.h"

std::string LoadResourceString(unsigned id, const std::string& fallback) {
    // The table holds UTF-16; read wide, so that the system's code page plays no part.
    // With a zero length LoadStringW hands out a pointer into the resource itself,
    // whose texts are not NUL-terminated: the returned count is the length.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return fallback;
    }
    return ExactAnsiText(std::wstring_view(text, static_cast<size_t>(length))).value_or(fallback);
}
