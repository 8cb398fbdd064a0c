// Which folders can hold the program's files: the shortcut's destination and the saved
// folders of the settings file share one rule.
#pragma once

#include <string_view>

// True when a folder can hold shortcuts: not empty, no control byte other than DEL, no unfinished
// last character, and not in the device namespaces ("\\.\", "\\?\", "\??\"), where a path names a
// device or skips the checks Windows makes on names.
bool IsUsableFolder(std::string_view folder);

// True when the text holds a control byte that Windows takes in no file name (any but
// DEL); a NUL would also end the path early.
bool HasByteRefusedInFileNames(std::string_view text);
