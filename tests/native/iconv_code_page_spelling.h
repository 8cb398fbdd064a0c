// Code page 932 as glibc's iconv spells and reads it, standing in for Windows' exact
// conversion.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

#include "text/code_page_spelling.h"
#include "text/unicode_decoding.h"
#include "text/unicode_encoding.h"

class IconvCodePageSpelling : public CodePageSpelling {
public:
    std::optional<std::string> Spell(std::u16string_view text) const override {
        const std::string in = LittleEndian(text);
        // glibc also takes a few look-alikes one way ("¥" to "\"); Windows' exact
        // conversion does not, so a spelling must read back as the same text.
        std::optional<std::string> spelt = Converted("CP932", "UTF-16LE", in);
        if (spelt && Converted("UTF-16LE", "CP932", *spelt) != in) {
            return std::nullopt;
        }
        return spelt;
    }

    bool Reads(std::string_view bytes) const override {
        return Converted("UTF-16LE", "CP932", std::string(bytes)).has_value();
    }

    std::optional<std::u16string> Decode(std::string_view bytes) const override {
        return FromLittleEndian(Converted("UTF-16LE", "CP932", std::string(bytes)));
    }

    // UTF-16 as the bytes of "UTF-16LE", and back.
    static std::string LittleEndian(std::u16string_view text) { return unicode::ToUtf16Le(text); }
    static std::optional<std::u16string> FromLittleEndian(const std::optional<std::string>& bytes) {
        return bytes ? std::optional<std::u16string>(unicode::FromUtf16Le(*bytes)) : std::nullopt;
    }

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
