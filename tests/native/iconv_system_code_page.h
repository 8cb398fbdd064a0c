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
        return IconvCodePageSpelling::Converted(Name(), "UTF-16LE",
                                                IconvCodePageSpelling::LittleEndian(text));
    }

    std::optional<std::u16string> Decode(std::string_view bytes) const override {
        return IconvCodePageSpelling::FromLittleEndian(
            IconvCodePageSpelling::Converted("UTF-16LE", Name(), std::string(bytes)));
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
