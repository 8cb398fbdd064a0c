// The mailto Internet shortcut file.
#pragma once

#include <string>

#include "shortcut/shortcut_request.h"
#include "shortcut/shortcut_rewrite.h"
#include "shortcut/text_stream.h"

// "[InternetShortcut]", the URL line of MailtoUrl and, for icon indexes 1 to 5, the icon
// lines. Control bytes never reach the URL line, so no text can add lines (an icon on a
// network share, say) to the shortcut. An empty iconFilePath writes no icon lines,
// whatever the icon index.
void WriteMailtoShortcut(TextStream& stream, const ShortcutRequest& request,
                         const std::string& iconFilePath);

// True when a shortcut written again to its own path keeps its icon lines: its own
// icon, or an envelope that a copy without an icon file to name cannot write again.
bool KeepsIconLines(const ShortcutRequest& request, const std::string& iconFilePath,
                    const ShortcutRewrite& rewrite);

// The whole file as it goes to the disk, lines ending in CR LF: the shortcut's own
// lines and, for a shortcut written again to its own path, every line it kept.
std::string ShortcutFileBytes(const ShortcutRequest& request, const std::string& iconFilePath,
                              const ShortcutRewrite* rewrite);
