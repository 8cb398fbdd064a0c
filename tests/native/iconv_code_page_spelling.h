// Code page 932 as glibc's iconv spells it, standing in for Windows' exact conversion.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

#include "text/code_page_spelling.h"

class IconvCodePageSpelling : public CodePageSpelling {
public:
    std::optional<std::string> Spell(std::u16string_view text) const override {
        std::string in;
        for (const char16_t unit : text) {
            in += static_cast<char>(unit & 0xFF);
            in += static_cast<char>(unit >> 8);
        }
        return Converted("CP932", "UTF-16LE", in);
    }

    bool Reads(std::string_view bytes) const override {
        return Converted("UTF-16LE", "CP932", std::string(bytes)).has_value();
    }

private:
    // The whole text converted, or nullopt when a character has no counterpart, is
    // guessed, or is no character at all.
    static std::optional<std::string> Converted(const char* to, const char* from, std::string in) {
        const iconv_t converter = iconv_open(to, from);
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        std::string out(in.size() * 2 + 4, '\0');
        char* inPos = in.data();
        size_t inLeft = in.size();
        char* outPos = out.data();
        size_t outLeft = out.size();
        const size_t result = iconv(converter, &inPos, &inLeft, &outPos, &outLeft);
        iconv_close(converter);
        if (result == static_cast<size_t>(-1) || result > 0 || inLeft != 0) {
            return std::nullopt;
        }
        out.resize(out.size() - outLeft);
        return out;
    }
};
