#include "text/ascii_text.h"

#include "text/multibyte.h"

namespace mbtext {
namespace {

char AsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view ascii) {
    return text.size() == ascii.size() && StartsWithIgnoringAsciiCase(text, ascii);
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view asciiPrefix) {
    if (text.size() < asciiPrefix.size()) {
        return false;
    }
    for (size_t i = 0; i < asciiPrefix.size(); ++i) {
        if (AsciiLower(text[i]) != AsciiLower(asciiPrefix[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithTextIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    for (size_t pos = 0; pos < prefix.size();) {
        const size_t length = CharLength(prefix, pos);
        if (pos + length > text.size() || CharLength(text, pos) != length) {
            return false;
        }
        if (length == 1 ? AsciiLower(text[pos]) != AsciiLower(prefix[pos])
                        : text.substr(pos, length) != prefix.substr(pos, length)) {
            return false;
        }
        pos += length;
    }
    return true;
}

bool SameIgnoringAsciiCase(std::string_view first, std::string_view second) {
    return first.size() == second.size() && StartsWithTextIgnoringAsciiCase(first, second);
}

std::string_view TrimmedBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace mbtext
