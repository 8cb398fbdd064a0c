// Where a shortcut file goes, and which folders and names can take one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/usable_folder.h"

// folder + "\" (unless it already ends in one) + name + ".url", as text to show: an
// unfinished last character of the folder or the name runs into what follows.
std::string ShortcutPathText(const std::string& folder, const std::string& name);

// The same path to open, or nullopt when the folder or the name ends in an unfinished
// character, which would swallow the "\" or the "." that follows and so put the file
// somewhere else or under another name.
std::optional<std::string> BuildShortcutPath(const std::string& folder, const std::string& name);

// True when Windows cannot keep a shortcut of this name as a file the user sees: a
// control byte other than DEL, a ":" (on NTFS the data would go into a hidden stream), an
// unfinished last character, or a device name such as "NUL", "com1" or "LPT9.txt" (any case, any
// extension, trailing spaces).
bool IsRefusedName(std::string_view name);
