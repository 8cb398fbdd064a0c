// The one step from UTF-16 into the code page, behind an interface so that the core
// stays window-free: Windows spells through the exact conversion of the dialogs, a
// test through a table of its own.
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
};
