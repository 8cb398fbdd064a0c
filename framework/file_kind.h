// Whether a path names a file, asked with the wide API so that neither the code page
// nor the 260-character limit of the ANSI functions decides the answer.
#pragma once

#include <string>

// True when path names a file: not a folder, and not missing or unreadable.
bool IsFile(const std::wstring& path);

// The same for a path in code page 932.
bool IsFile(const std::string& path);
