// The core's step from UTF-16 into the code page, made by the one exact conversion.
#pragma once

#include "framework/exact_ansi.h"
#include "text/code_page_spelling.h"

class ExactAnsiSpelling : public CodePageSpelling {
public:
    std::optional<std::string> Spell(std::u16string_view text) const override {
        return ExactAnsiText(std::wstring(text.begin(), text.end()));
    }
};
