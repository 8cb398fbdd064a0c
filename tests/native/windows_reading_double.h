// Windows' reading of a .url as a test supplies it: the program's own reading, so that
// Windows agrees unless a test says otherwise.
#pragma once

#include <string>

#include "shortcut/shortcut_file_lines.h"
#include "shortcut/windows_profile_reading.h"

inline WindowsProfileReading AgreeingWindowsReading(const std::string& bytes) {
    const ShortcutFileLines lines = ReadShortcutFileLines(bytes);
    WindowsProfileReading reading;
    reading.url = lines.url;
    reading.urlA = lines.urlA;
    reading.urlW = lines.urlW;
    reading.iconFile = lines.iconFile;
    reading.iconIndex = lines.iconIndex;
    return reading;
}
