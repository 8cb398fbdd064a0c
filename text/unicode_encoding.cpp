#include "text/unicode_encoding.h"

namespace unicode {

std::optional<std::string> ToUtf8(std::u16string_view utf16) {
    std::string out;
    for (size_t pos = 0; pos < utf16.size(); ++pos) {
        char32_t codePoint = utf16[pos];
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            if (codePoint > 0xDBFF || pos + 1 == utf16.size() || utf16[pos + 1] < 0xDC00 ||
                utf16[pos + 1] > 0xDFFF) {
                return std::nullopt;
            }
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (utf16[++pos] - 0xDC00);
        }
        if (codePoint < 0x80) {
            out += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            out += static_cast<char>(0xC0 | codePoint >> 6);
            out += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else if (codePoint < 0x10000) {
            out += static_cast<char>(0xE0 | codePoint >> 12);
            out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | codePoint >> 18);
            out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return out;
}

std::string ToUtf16Le(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace unicode
