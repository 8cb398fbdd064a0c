#include "shortcut/utf8_escaped_form.h"

#include <string>

#include "text/unicode_decoding.h"

namespace {

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

// The byte of the escape at pos, or -1 when there is none.
int EscapedByte(std::string_view url, size_t pos) {
    if (pos + 2 >= url.size() || url[pos] != '%') {
        return -1;
    }
    const int high = HexValue(url[pos + 1]);
    const int low = HexValue(url[pos + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

bool IsBeyondAsciiUtf8(const std::string& bytes) {
    bool beyondAscii = false;
    for (const char byte : bytes) {
        beyondAscii = beyondAscii || static_cast<unsigned char>(byte) >= 0x80;
    }
    return beyondAscii && unicode::FromUtf8(bytes).has_value();
}

}  // namespace

bool IsUtf8EscapedForm(std::string_view url) {
    for (const char byte : url) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            return false;
        }
    }
    bool escapedBeyondAscii = false;
    size_t pos = 0;
    while (pos < url.size()) {
        std::string run;
        for (int value = EscapedByte(url, pos); value >= 0; value = EscapedByte(url, pos)) {
            run += static_cast<char>(value);
            pos += 3;
        }
        escapedBeyondAscii = escapedBeyondAscii || IsBeyondAsciiUtf8(run);
        pos += run.empty() ? 1 : 0;
    }
    return escapedBeyondAscii;
}
