// A shortcut opened to be changed. Written again to its own path, the file keeps every
// line the program does not own, as the file holds them at that moment; anywhere else
// it is made from the fields alone.
#pragma once

#include <string>

#include "shortcut/shortcut_file_lines.h"

struct ShortcutRewrite {
    std::string path;
    ShortcutFileLines lines;
    // Its own icon lines go back too, until the user picks an icon.
    bool keepsOwnIcon = false;
    // Its URL was in the escaped form (IsUtf8EscapedForm), which it keeps when written
    // again, on any system.
    bool utf8EscapedForm = false;
    // The user picked an icon since the file was opened: the file's icon, read again
    // at Create, no longer counts.
    bool iconPicked = false;
};
