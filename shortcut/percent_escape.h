// Reading "%XX" escapes of a URL, with hex digits of either case.
#pragma once

#include <cstddef>
#include <string_view>

// The byte of a "%XX" escape at pos, or -1 when none starts there.
int EscapedByte(std::string_view text, size_t pos);
