// Comparing multibyte text with ASCII words (keys, schemes, device names) without
// regard to the case of their letters. A lead byte is never an ASCII letter, so a
// match always covers whole characters of the multibyte text.
#pragma once

#include <string_view>

namespace mbtext {

// "A" to "Z" as "a" to "z"; every other byte as it is.
char AsciiLower(char ch);

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view ascii);

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view asciiPrefix);

// The text without the spaces, tabs and carriage returns around it. None of them is
// ever the trail byte of a double-byte character.
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace mbtext
