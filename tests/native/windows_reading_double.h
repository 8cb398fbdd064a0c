// Windows' reading of a .url as a test supplies it: the program's own reading, so that
// Windows agrees unless a test says otherwise.
#pragma once

#include <optional>
#include <string>

#include "shortcut/shortcut_file_lines.h"
#include "shortcut/shortcut_reader.h"
#include "shortcut/windows_profile_reading.h"
// A system of any code page: Windows' own conversion where the tests run on it.
#ifdef _WIN32
#include "framework/windows_system_code_page.h"
using TestSystemCodePage = WindowsSystemCodePage;
#else
#include "tests/native/iconv_system_code_page.h"
using TestSystemCodePage = IconvSystemCodePage;
#endif

// The lines of a file as a system of the code page reads them (refused: no lines).
inline ShortcutFileLines SystemLines(const std::string& bytes, unsigned codePage = 932) {
    return ReadShortcutLines(bytes, TestSystemCodePage(codePage)).value_or(ShortcutFileLines{});
}

// An ASCII value as bytes, or missing when there is none.
inline std::string AsciiOr(const std::optional<std::u16string>& value, const char* missing) {
    return value ? std::string(value->begin(), value->end()) : std::string(missing);
}

inline WindowsProfileReading AgreeingWindowsReading(const std::string& bytes,
                                                    unsigned codePage = 932) {
    const ShortcutFileLines lines = SystemLines(bytes, codePage);
    WindowsProfileReading reading;
    reading.url = lines.url;
    reading.urlA = lines.urlA;
    reading.urlW = lines.urlW;
    reading.iconFile = lines.iconFile;
    reading.iconIndex = lines.iconIndex;
    return reading;
}
