#include "text/unicode_decoding.h"

namespace unicode {
namespace {

void AppendCodePoint(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

int Base64Value(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') {
        return byte - 'A';
    }
    if (byte >= 'a' && byte <= 'z') {
        return byte - 'a' + 26;
    }
    if (byte >= '0' && byte <= '9') {
        return byte - '0' + 52;
    }
    if (byte == '+') {
        return 62;
    }
    return byte == '/' ? 63 : -1;
}

}  // namespace

std::optional<std::u16string> FromUtf8(std::string_view utf8) {
    std::u16string out;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        size_t length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (utf8.size() - pos < length) {
            return std::nullopt;
        }
        for (size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[pos + i]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return std::nullopt;
        }
        AppendCodePoint(out, codePoint);
        pos += length;
    }
    return out;
}

std::optional<std::u16string> FromUtf7(std::string_view utf7) {
    std::u16string out;
    size_t pos = 0;
    while (pos < utf7.size()) {
        const auto byte = static_cast<unsigned char>(utf7[pos]);
        if (byte > 0x7F) {
            return std::nullopt;
        }
        ++pos;
        if (byte != '+') {
            out += static_cast<char16_t>(byte);
            continue;
        }
        if (pos < utf7.size() && utf7[pos] == '-') {
            out += u'+';
            ++pos;
            continue;
        }
        // Six bits per byte, a UTF-16 unit whenever sixteen have gathered; the bits
        // left over at the end of the run are padding.
        unsigned long bits = 0;
        int bitCount = 0;
        while (pos < utf7.size()) {
            const int value = Base64Value(static_cast<unsigned char>(utf7[pos]));
            if (value < 0) {
                break;
            }
            ++pos;
            bits = ((bits << 6) | static_cast<unsigned long>(value)) & 0x3FFFFF;
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                out += static_cast<char16_t>((bits >> bitCount) & 0xFFFF);
            }
        }
        if (pos < utf7.size() && utf7[pos] == '-') {
            ++pos;
        }
    }
    return out;
}

std::u16string FromUtf16Le(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                                       static_cast<unsigned char>(bytes[pos + 1]) << 8);
    }
    return units;
}

}  // namespace unicode
