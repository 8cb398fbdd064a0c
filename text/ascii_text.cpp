#include "text/ascii_text.h"

#include "text/multibyte.h"

namespace mbtext {
char AsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

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

bool SameIgnoringAsciiCase(std::string_view first, std::string_view second) {
    if (first.size() != second.size()) {
        return false;
    }
    for (size_t pos = 0; pos < first.size();) {
        const size_t length = CharLength(first, pos);
        if (length != CharLength(second, pos)) {
            return false;
        }
        if (length == 1 ? AsciiLower(first[pos]) != AsciiLower(second[pos])
                        : first.substr(pos, length) != second.substr(pos, length)) {
            return false;
        }
        pos += length;
    }
    return true;
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
