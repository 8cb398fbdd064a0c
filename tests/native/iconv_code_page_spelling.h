// Code page 932 as glibc's iconv spells it, standing in for Windows' exact conversion.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

#include "text/code_page_spelling.h"

class IconvCodePageSpelling : public CodePageSpelling {
public:
    std::optional<std::string> Spell(std::u16string_view text) const override {
        const iconv_t converter = iconv_open("CP932", "UTF-16LE");
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        std::string in;
        for (const char16_t unit : text) {
            in += static_cast<char>(unit & 0xFF);
            in += static_cast<char>(unit >> 8);
        }
        std::string out(in.size() * 2 + 4, '\0');
        char* inPos = in.data();
        size_t inLeft = in.size();
        char* outPos = out.data();
        size_t outLeft = out.size();
        const size_t result = iconv(converter, &inPos, &inLeft, &outPos, &outLeft);
        iconv_close(converter);
        if (result == static_cast<size_t>(-1) || result > 0) {
            return std::nullopt;  // a character without a counterpart, or a guessed one
        }
        out.resize(out.size() - outLeft);
        return out;
    }

    bool Reads(std::string_view bytes) const override {
        const iconv_t converter = iconv_open("UTF-16LE", "CP932");
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        std::string in(bytes);
        std::string out(in.size() * 2 + 4, '\0');
        char* inPos = in.data();
        size_t inLeft = in.size();
        char* outPos = out.data();
        size_t outLeft = out.size();
        const size_t result = iconv(converter, &inPos, &inLeft, &outPos, &outLeft);
        iconv_close(converter);
        return result != static_cast<size_t>(-1) && inLeft == 0;
    }
};
