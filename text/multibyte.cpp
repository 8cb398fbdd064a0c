#include "text/multibyte.h"

namespace mbtext {

size_t CharLength(std::string_view text, size_t pos) {
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) {
        return 2;
    }
    return 1;
}

size_t FindChar(std::string_view text, char ch, size_t from) {
    for (size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
        if (text[pos] == ch && CharLength(text, pos) == 1) {
            return pos;
        }
    }
    return std::string_view::npos;
}

bool ContainsChar(std::string_view text, char ch) {
    return FindChar(text, ch) != std::string_view::npos;
}

std::string ReplaceChar(std::string text, char from, char to) {
    for (size_t pos = FindChar(text, from); pos != std::string::npos;
         pos = FindChar(text, from, pos + 1)) {
        text[pos] = to;
    }
    return text;
}

size_t LastCharPos(std::string_view text) {
    size_t last = std::string_view::npos;
    for (size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        last = pos;
    }
    return last;
}

bool EndsWithChar(std::string_view text, char ch) {
    const size_t last = LastCharPos(text);
    return last != std::string_view::npos && CharLength(text, last) == 1 && text[last] == ch;
}

bool EndsInLeadByte(std::string_view text) {
    const size_t last = LastCharPos(text);
    return last != std::string_view::npos && CharLength(text, last) == 1 &&
           IsLeadByte(static_cast<unsigned char>(text[last]));
}

bool IsControlByte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

std::string WithoutControlBytes(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    // Byte by byte: a line feed after a lead byte still ends a line in the file.
    for (char ch : text) {
        if (!IsControlByte(static_cast<unsigned char>(ch))) {
            kept += ch;
        }
    }
    return kept;
}

std::string WithCrLfLineBreaks(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char ch = text[pos];
        if (ch == '\r' || ch == '\n') {
            lines += "\r\n";
            if (ch == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
                ++pos;
            }
        } else if (ch == '\t' || !IsControlByte(static_cast<unsigned char>(ch))) {
            lines += ch;
        }
    }
    return lines;
}

}  // namespace mbtext
