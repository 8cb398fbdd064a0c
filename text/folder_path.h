// One folder written two ways: "C:\Mail\" and "C:\Mail" name the same folder, and
// earlier versions may have saved either.
#pragma once

#include <string>
#include <string_view>

// The folder without the "\" (or "/") at its end. A drive root ("C:\") and a share
// root ("\\server\share\") keep theirs: "C:" alone names the current folder of the
// drive. Walks whole characters: the trail byte 0x5C of "表" is no separator.
std::string FolderWithoutTrailingSeparator(std::string_view folder);

// True when both texts name the same folder: ASCII letters of either case and the
// trailing separators aside.
bool SameFolder(std::string_view first, std::string_view second);
