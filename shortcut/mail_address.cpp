#include "shortcut/mail_address.h"

#include "text/multibyte.h"

namespace {

constexpr std::string_view kScheme = "mailto:";

char AsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// The scheme's bytes are all ASCII, so a match at the start is whole characters.
bool StartsWithScheme(std::string_view text) {
    if (text.size() < kScheme.size()) {
        return false;
    }
    for (size_t i = 0; i < kScheme.size(); ++i) {
        if (AsciiLower(text[i]) != kScheme[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string AddressFromField(std::string_view text) {
    std::string address = mbtext::WithoutControlBytes(text);
    if (StartsWithScheme(address)) {
        address.erase(0, kScheme.size());
    }
    return address;
}
