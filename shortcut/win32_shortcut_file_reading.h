// Reading a shortcut file that the user opens to change, and telling whether a path
// names that file again.
#pragma once

#include <optional>
#include <string>

#include "shortcut/windows_profile_reading.h"

// The file's bytes, at most one more than the reader takes (so that it can tell a
// larger file), or nullopt when the path opens no file on disk or cannot be read.
std::optional<std::string> ReadShortcutFileBytes(const std::wstring& path);

// True when both paths name the same file as the user sees it: short names made long,
// letters compared without regard to case.
bool IsSameShortcutPath(const std::string& first, const std::string& second);

// The URL of [InternetShortcut] and of its .A and .W copies, IconFile and IconIndex, as
// the system's own GetPrivateProfileStringW reads them from the file at path, in the
// system's code page. The path may be in the "\\?\" form and pass MAX_PATH (then the
// file is read through its short name, or a copy).
WindowsProfileReading ReadAsWindowsDoes(const std::wstring& path);
