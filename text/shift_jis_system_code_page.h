// A system whose code page is 932, read through the program's own conversion: the
// system of a Japanese Windows, and the one a reader assumes when it is told no other.
#pragma once

#include "text/code_page_spelling.h"
#include "text/system_code_page.h"

class ShiftJisSystemCodePage : public SystemCodePage {
public:
    explicit ShiftJisSystemCodePage(const CodePageSpelling& spelling) : spelling_(spelling) {}
    unsigned Number() const override { return kShiftJisSystemCodePage; }
    std::optional<std::string> Spell(std::u16string_view text) const override {
        return spelling_.Spell(text);
    }
    std::optional<std::u16string> Decode(std::string_view bytes) const override {
        return spelling_.Decode(bytes);
    }

private:
    const CodePageSpelling& spelling_;
};
