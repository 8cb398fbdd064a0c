#include "shortcut/mail_address.h"

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace {

constexpr std::string_view kScheme = "mailto:";
// The ideographic space in the code page; its trail byte is the at sign.
constexpr std::string_view kIdeographicSpace = "\x81\x40";

bool IsSpaceAt(std::string_view text, size_t pos) {
    return text[pos] == ' ' ||
           (mbtext::CharLength(text, pos) == 2 && text.substr(pos, 2) == kIdeographicSpace);
}

// Whole characters from the start, so that the last character is known for what it is.
std::string_view TrimmedSpaces(std::string_view text) {
    size_t first = std::string_view::npos;
    size_t end = 0;
    for (size_t pos = 0; pos < text.size(); pos += mbtext::CharLength(text, pos)) {
        if (!IsSpaceAt(text, pos)) {
            if (first == std::string_view::npos) {
                first = pos;
            }
            end = pos + mbtext::CharLength(text, pos);
        }
    }
    return first == std::string_view::npos ? std::string_view() : text.substr(first, end - first);
}

}  // namespace

std::string RecipientsFromField(std::string_view text) {
    return std::string(TrimmedSpaces(mbtext::WithoutControlBytes(text)));
}

std::string AddressFromField(std::string_view text) {
    std::string address = RecipientsFromField(text);
    // The scheme is ASCII, so a match at the start is whole characters.
    if (mbtext::StartsWithIgnoringAsciiCase(address, kScheme)) {
        return RecipientsFromField(std::string_view(address).substr(kScheme.size()));
    }
    return address;
}
