// The one step between UTF-16 and the code page, both ways, behind an interface so that
// the core stays window-free: Windows converts through the exact conversion of the
// dialogs, a test through a table of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CodePageSpelling {
public:
    virtual ~CodePageSpelling() = default;
    // The text in the code page, or nullopt when a character has no exact counterpart
    // there (a best-fit stand-in would change what the user reads).
    virtual std::optional<std::string> Spell(std::u16string_view text) const = 0;
    // True when the bytes are whole characters of the code page. A lone lead byte, or
    // one before a byte that cannot follow it, would be shown as another character and
    // written back changed.
    virtual bool Reads(std::string_view bytes) const = 0;
    // The code page's text in UTF-16, or nullopt when the bytes are not whole
    // characters of it.
    virtual std::optional<std::u16string> Decode(std::string_view bytes) const = 0;

    // The UTF-16 of code-page bytes, or nullopt when they are no whole characters or
    // would not come back as the same bytes (a character the code page has twice, such
    // as the NEC and IBM copies of one kanji, turns into the other copy).
    std::optional<std::u16string> Widen(std::string_view bytes) const {
        std::optional<std::u16string> text = Decode(bytes);
        if (!text) {
            return std::nullopt;
        }
        const std::optional<std::string> back = Spell(*text);
        if (!back || *back != bytes) {
            return std::nullopt;
        }
        return text;
    }
};
