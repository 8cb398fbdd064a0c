// UTF-16 written out as UTF-8, for files that keep their text in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unicode {

// The UTF-8 of well-formed UTF-16, or nullopt for a surrogate without its partner.
std::optional<std::string> ToUtf8(std::u16string_view utf16);

// UTF-16 units as little-endian bytes.
std::string ToUtf16Le(std::u16string_view units);

}  // namespace unicode
