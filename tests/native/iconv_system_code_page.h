// A system of any code page, as glibc's iconv spells it: 932, 1252 or 65001.
#pragma once

#include <optional>
#include <string>

#include "iconv_code_page_spelling.h"
#include "text/system_code_page.h"

class IconvSystemCodePage : public SystemCodePage {
public:
    explicit IconvSystemCodePage(unsigned number) : number_(number) {}

    unsigned Number() const override { return number_; }

    std::optional<std::string> Spell(std::u16string_view text) const override {
        std::string in;
        for (const char16_t unit : text) {
            in += static_cast<char>(unit & 0xFF);
            in += static_cast<char>(unit >> 8);
        }
        return IconvCodePageSpelling::Converted(Name(), "UTF-16LE", in);
    }

    std::optional<std::u16string> Decode(std::string_view bytes) const override {
        const auto units = IconvCodePageSpelling::Converted("UTF-16LE", Name(), std::string(bytes));
        if (!units) {
            return std::nullopt;
        }
        std::u16string text;
        for (size_t pos = 0; pos + 1 < units->size(); pos += 2) {
            text += static_cast<char16_t>(static_cast<unsigned char>((*units)[pos]) |
                                          static_cast<unsigned char>((*units)[pos + 1]) << 8);
        }
        return text;
    }

private:
    const char* Name() const {
        switch (number_) {
            case 932:
                return "CP932";
            case 65001:
                return "UTF-8";
            default:
                return "CP1252";
        }
    }

    unsigned number_;
};
