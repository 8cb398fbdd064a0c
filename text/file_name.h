// Where the file name and its extension start in a path, found by walking whole
// characters: the trail byte 0x5C of "ソ" or "表" is never a separator.
#pragma once

#include <string_view>

namespace mbtext {

// Position just after the last "\" or "/", or after a drive ("C:"), or 0 when there is
// none.
size_t FileNameStart(std::string_view path);

// Position of the "." that starts the file name's extension (its last "."), or npos.
size_t ExtensionStart(std::string_view path);

}  // namespace mbtext
