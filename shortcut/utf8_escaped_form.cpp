#include "shortcut/utf8_escaped_form.h"

#include <string>

#include "shortcut/percent_escape.h"
#include "text/unicode_decoding.h"

namespace {

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
