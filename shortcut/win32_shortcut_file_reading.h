// Reading a shortcut file that the user opens to change, and telling whether a path
// names that file again.
#pragma once

#include <optional>
#include <string>

#include "shortcut/open_shortcut_command.h"

// The file's bytes, at most one more than the reader takes (so that it can tell a
// larger file), or nullopt when the path opens no file on disk or cannot be read.
std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path);

// True when both paths name the same file as the user sees it: short names made long,
// letters compared without regard to case.
bool IsSameShortcutPath(const std::string& first, const std::string& second);

// True for a path below the user's temporary folder, where Explorer puts a file opened
// from inside a zip: a folder that is gone once the user closes the archive.
bool IsBelowTemporaryFolder(const std::wstring& path);

// The facts of a path handed over to the program: made long as the user sees it, spelt
// exactly in the code page, a folder or not, and for a file its bytes.
HandedOverPath DescribeHandedOverPath(const std::wstring& path);
