// Comparing multibyte text with ASCII words (keys, schemes, device names) without
// regard to the case of their letters. A lead byte is never an ASCII letter, so a
// match always covers whole characters of the multibyte text.
#pragma once

#include <string_view>

namespace mbtext {

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view ascii);

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view asciiPrefix);

// True when text begins with the multibyte text prefix, ASCII letters compared without
// regard to case, and the prefix ends where a character of text ends. Walks whole
// characters: a double-byte character must match exactly, since the trail byte of "ア"
// is the byte of "A" and that of "ャ" the byte of "a".
bool StartsWithTextIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// Two multibyte texts that differ at most in the case of their ASCII letters, compared
// as above.
bool SameIgnoringAsciiCase(std::string_view first, std::string_view second);

// The text without the spaces, tabs and carriage returns around it. None of them is
// ever the trail byte of a double-byte character.
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace mbtext
