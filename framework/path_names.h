// The forms of a path that Windows gives back: made full, and made long.
#pragma once

#include <string>
#include <string_view>

// The path made absolute against the current folder; as given when that fails.
std::wstring FullPathName(const std::wstring& path);

// The name of a file beside path, path + suffix, in a form the file functions take
// (CreateFileW, ReplaceFileW, MoveFileExW, DeleteFileW): as spelt when the full name fits
// in MAX_PATH, as today; beyond it the "\\?\" form of the full name, which those
// functions take up to 32,767 characters. The program has no long-path manifest.
std::wstring NameBeside(const std::wstring& path, std::wstring_view suffix);

// A full path in the "\\?\" form ("\\?\UNC\" for "\\server\share"); a path already
// in a device form ("\\?\", "\\.\") or not full is left as it is.
std::wstring ExtendedLengthPath(const std::wstring& fullPath);

// The path without a "\\?\" prefix: what functions that take no such prefix accept.
std::wstring PlainPath(const std::wstring& path);

// The path with its short (8.3) names made long, as Explorer shows it; as given when it
// names nothing.
std::wstring LongPathName(const std::wstring& path);

// True when two paths are spelt alike but for the case of their letters, as the file
// system compares names.
bool SamePathText(std::wstring_view first, std::wstring_view second);
