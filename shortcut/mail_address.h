// The address the user meant, from the text of the address field.
#pragma once

#include <string>
#include <string_view>

// The text without control bytes (a paste or another program can put a tab or a line
// break into the one-line field) and without one leading "mailto:" in any letter case,
// which "copy link" on a web page gives and the shortcut adds itself. What follows the
// scheme is kept as it is.
std::string AddressFromField(std::string_view text);
