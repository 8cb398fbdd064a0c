// Text that arrives in a Unicode form (UTF-8 from a web page, UTF-7 from the shell's
// own lines), turned into UTF-16 for the one exact step into the code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unicode {

// The UTF-16 of well-formed UTF-8, or nullopt: overlong forms, surrogates, code
// points above U+10FFFF and cut sequences are refused, not repaired.
std::optional<std::u16string> FromUtf8(std::string_view utf8);

// The UTF-16 of UTF-7 (RFC 2152): "+" opens a base64 run of UTF-16 units, "-" or any
// other byte ends it, "+-" is "+". Nullopt for a byte above 0x7F, which UTF-7 never holds.
std::optional<std::u16string> FromUtf7(std::string_view utf7);

// The units of little-endian UTF-16 bytes; a last odd byte is left out.
std::u16string FromUtf16Le(std::string_view bytes);

}  // namespace unicode
