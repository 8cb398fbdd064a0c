// The mailto Internet shortcut file.
#pragma once

#include <string>

#include "shortcut/shortcut_request.h"
#include "shortcut/text_stream.h"

// "[InternetShortcut]", the URL line of MailtoUrl and, for icon indexes 1 to 5, the icon
// lines. Control bytes never reach the URL line, so no text can add lines (an icon on a
// network share, say) to the shortcut. An empty iconFilePath writes no icon lines,
// whatever the icon index.
void WriteMailtoShortcut(TextStream& stream, const ShortcutRequest& request,
                         const std::string& iconFilePath);
