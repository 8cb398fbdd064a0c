// The mailto Internet shortcut file.
#pragma once

#include <string>

#include "shortcut/text_stream.h"

// Control bytes in the address and the subject never reach the file: the URL stays one
// line, so no text can add lines (an icon on a network share, say) to the shortcut. An
// empty iconFilePath writes no icon lines, whatever the icon index.
void WriteMailtoShortcut(TextStream& stream, const std::string& address, const std::string& subject,
                         int iconIndex, const std::string& iconFilePath);
