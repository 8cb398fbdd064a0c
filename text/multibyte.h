// Multibyte ANSI text (Shift-JIS on the systems this program is written for).
// Every length and position is in bytes; every search walks whole characters, so the
// trail byte of a double-byte character (0x5C in "ソ", 0x40 in the ideographic space)
// is never mistaken for an ASCII character.
#pragma once

#include <string>
#include <string_view>

namespace mbtext {

// True when the byte starts a double-byte character in code page 932.
bool IsLeadByte(unsigned char byte);

// Byte length of the character that starts at pos: 2 for a lead byte followed by
// another byte, otherwise 1 (a lone lead byte at the end counts as one character).
size_t CharLength(std::string_view text, size_t pos);

// Position of the first character equal to ch at or after from (a character
// boundary), or npos.
size_t FindChar(std::string_view text, char ch, size_t from = 0);

bool ContainsChar(std::string_view text, char ch);

// Every single-byte character equal to from becomes to.
std::string ReplaceChar(std::string text, char from, char to);

// Position of the last character, or npos for an empty text.
size_t LastCharPos(std::string_view text);

bool EndsWithChar(std::string_view text, char ch);

// True when the text ends in a lead byte with no trail byte: an unfinished character,
// which takes whatever byte is appended next as its own.
bool EndsInLeadByte(std::string_view text);

// True for the bytes that no one can type into a one-line field: below 0x20, and 0x7F.
// None of them is ever the trail byte of a double-byte character.
bool IsControlByte(unsigned char byte);

// The text without its control bytes.
std::string WithoutControlBytes(std::string_view text);

// Text of several lines as an edit control holds it: every line break (CR LF, LF or CR)
// as CR LF, tabs kept, every other control byte dropped.
std::string WithCrLfLineBreaks(std::string_view text);

}  // namespace mbtext
