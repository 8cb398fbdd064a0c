// The mailto Internet shortcut file and where it goes.
#pragma once

#include <string>

#include "shortcut/text_stream.h"

void WriteMailtoShortcut(TextStream& stream, const std::string& address, const std::string& subject,
                         int iconIndex, const std::string& iconFilePath);

// folder + "\" (unless it already ends in one) + name + ".url".
std::string BuildShortcutPath(const std::string& folder, const std::string& name);
