// The ASCII bytes of a mailto URL, in one place for the writer and the reader: which
// bytes a field value keeps as they are, and which bytes of the address are escaped.
// Bytes of 0x80 and above are never looked at here: they are code-page text and stay
// raw, lead and trail bytes alike.
#pragma once

#include <string_view>

namespace mailto {

// Letters, digits and "-._~!$'()*,;:@": the characters a field value may hold raw
// (RFC 6068). Every other ASCII byte of a subject, CC, BCC or body is written as "%XX".
constexpr bool KeptRawInFieldValue(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9')) {
        return true;
    }
    return byte != 0 && std::string_view("-._~!$'()*,;:@").find(static_cast<char>(byte)) !=
                            std::string_view::npos;
}

// The ASCII bytes that no URL holds raw and that would break the argument the shell
// hands to the mail program. The address is written as typed except for these; the
// reader decodes only their escapes in the address.
inline constexpr std::string_view kEscapedInAddress = " \"#<>\\^`{|}";

constexpr bool EscapedInAddress(unsigned char byte) {
    return byte != 0 && kEscapedInAddress.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace mailto
