// The addresses the user meant, from the texts of the address, CC and BCC fields.
#pragma once

#include <string>
#include <string_view>

// The text without control bytes (a paste or another program can put a tab or a line
// break into a one-line field) and without the spaces and ideographic spaces at either
// end, which a paste brings along and no mail program wants.
std::string RecipientsFromField(std::string_view text);

// The same, and without one leading "mailto:" in any letter case, which "copy link" on
// a web page gives and the shortcut adds itself. What follows the scheme is kept as it
// is, but for the blanks at its ends.
std::string AddressFromField(std::string_view text);
