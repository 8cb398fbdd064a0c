// What a path handed over to the program is, as the system finds it.
#pragma once

#include <string>

#include "opening/open_shortcut_command.h"

// True for a path below the user's temporary folder, where Explorer puts a file opened
// from inside a zip: a folder that is gone once the user closes the archive.
bool IsBelowTemporaryFolder(const std::wstring& path);

// The facts of a path handed over to the program: made long as the user sees it, spelt
// exactly in the code page, a folder or not, and for a file its bytes.
HandedOverPath DescribeHandedOverPath(const std::wstring& path);
