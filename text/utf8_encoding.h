// UTF-16 written as UTF-8: the form RFC 6068 gives text beyond ASCII in a mailto URL.
#pragma once

#include <string>
#include <string_view>

namespace unicode {

// Well-formed UTF-16 in UTF-8; a lone surrogate becomes U+FFFD, which no code page
// text turns into.
std::string ToUtf8(std::u16string_view utf16);

}  // namespace unicode
