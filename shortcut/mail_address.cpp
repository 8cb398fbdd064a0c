#include "shortcut/mail_address.h"

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace {

constexpr std::string_view kScheme = "mailto:";

}  // namespace

std::string AddressFromField(std::string_view text) {
    std::string address = mbtext::WithoutControlBytes(text);
    // The scheme is ASCII, so a match at the start is whole characters.
    if (mbtext::StartsWithIgnoringAsciiCase(address, kScheme)) {
        address.erase(0, kScheme.size());
    }
    return address;
}
