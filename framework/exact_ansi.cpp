#include "framework/exact_ansi.h"

#include <windows.h>

#include <climits>

std::optional<std::string> ExactAnsiText(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    if (wide.size() > static_cast<size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int wideLength = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                         wideLength, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<size_t>(size), '\0');
    if (WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                            &ansi[0], size, nullptr, &usedDefault) != size ||
        usedDefault) {
        return std::nullopt;
    }
    // Some mappings are one-way even without best fit; only a text that reads back
    // as the same characters names the same folder.
    std::wstring back(wide.size(), L'\0');
    if (MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, ansi.data(), size, &back[0],
                            wideLength) != wideLength ||
        back != wide) {
        return std::nullopt;
    }
    return ansi;
}

std::wstring WideFromAnsi(std::string_view ansi) {
    if (ansi.empty() || ansi.size() > static_cast<size_t>(INT_MAX)) {
        return {};
    }
    const int ansiLength = static_cast<int>(ansi.size());
    const int size = MultiByteToWideChar(kShiftJisCodePage, 0, ansi.data(), ansiLength, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(kShiftJisCodePage, 0, ansi.data(), ansiLength, &wide[0], size);
    return wide;
}
