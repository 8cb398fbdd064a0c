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
        return bytes.empty() ||
               MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, 0) > 0;
    }
    std::optional<std::u16string> Decode(std::string_view bytes) const override {
        if (!Reads(bytes)) {
            return std::nullopt;
        }
        const std::wstring wide = WideFromAnsi(bytes);
        return std::u16string(wide.begin(), wide.end());
    }

};
