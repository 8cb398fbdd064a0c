#include "framework/windows_system_code_page.h"

#include <windows.h>

#include <climits>

WindowsSystemCodePage::WindowsSystemCodePage() : number_(GetACP()) {}

std::optional<std::string> WindowsSystemCodePage::Spell(std::u16string_view text) const {
    if (text.empty()) {
        return std::string();
    }
    if (text.size() > static_cast<size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    // UTF-8 takes no best-fit flag and no default character; it spells every character,
    // and refuses only a lone surrogate.
    const bool utf8 = number_ == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int size =
        WideCharToMultiByte(number_, flags, wide, wideLength, nullptr, 0, nullptr, usedDefaultOut);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    if (WideCharToMultiByte(number_, flags, wide, wideLength, &bytes[0], size, nullptr,
                            usedDefaultOut) != size ||
        usedDefault) {
        return std::nullopt;
    }
    // Some mappings are one-way even without best fit: only text that reads back the
    // same names the same file.
    const std::optional<std::u16string> back = Decode(bytes);
    if (!back || *back != text) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::u16string> WindowsSystemCodePage::Decode(std::string_view bytes) const {
    if (bytes.empty()) {
        return std::u16string();
    }
    if (bytes.size() > static_cast<size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int length = static_cast<int>(bytes.size());
    const int size =
        MultiByteToWideChar(number_, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    if (MultiByteToWideChar(number_, MB_ERR_INVALID_CHARS, bytes.data(), length, &wide[0], size) !=
        size) {
        return std::nullopt;
    }
    return std::u16string(wide.begin(), wide.end());
}
