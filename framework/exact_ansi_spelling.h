// The core's steps between UTF-16 and the code page, made by the one exact conversion.
#pragma once

#include <windows.h>

#include "framework/exact_ansi.h"
#include "text/code_page_spelling.h"

class ExactAnsiSpelling : public CodePageSpelling {
public:
    std::optional<std::string> Spell(std::u16string_view text) const override {
        return ExactAnsiText(std::wstring(text.begin(), text.end()));
    }
    bool Reads(std::string_view bytes) const override {
        return bytes.empty() || MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                                    static_cast<int>(bytes.size()), nullptr, 0) > 0;
    }

protected:
    std::optional<std::u16string> Decoded(std::string_view bytes) const override {
        if (bytes.empty()) {
            return std::u16string();
        }
        const int size = static_cast<int>(bytes.size());
        const int length =
            MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
        if (length <= 0) {
            return std::nullopt;
        }
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
        return std::u16string(wide.begin(), wide.end());
    }
};
