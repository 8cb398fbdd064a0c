// The forms of a path that Windows gives back: made full, and made long.
#pragma once

#include <string>
#include <string_view>

// The path made absolute against the current folder; as given when that fails.
std::wstring FullPathName(const std::wstring& path);

// The path with its short (8.3) names made long, as Explorer shows it; as given when it
// names nothing.
std::wstring LongPathName(const std::wstring& path);

// True when two paths are spelt alike but for the case of their letters, as the file
// system compares names.
bool SamePathText(std::wstring_view first, std::wstring_view second);
