// Reading a file that comes from outside the program, up to a limit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The file's first limit bytes (all of it when it is shorter), or nullopt when the path
// opens no file on disk or it cannot be read. Ask for one byte more than you take to
// tell a larger file.
std::optional<std::string> ReadFileStart(const std::wstring& path, size_t limit);
