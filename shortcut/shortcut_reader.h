// A .url file opened to be changed: what fills the dialog, or why it cannot.
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include "shortcut/mailto_message.h"
#include "shortcut/shortcut_file_lines.h"
#include "text/code_page_spelling.h"

// Larger files are not shortcuts anyone wrote by hand or by tool; the limit bounds
// what a hostile file can make the program do.
constexpr size_t kMaxShortcutFileBytes = 64 * 1024;

struct OpenedShortcut {
    MailtoMessage message;
    // 1 to 5: one of the program's envelopes; 0: the standard icon, or the shortcut's
    // own icon when keepsOwnIcon.
    int iconIndex = 0;
    // The shortcut names an icon of its own: its icon lines are written back until
    // the user picks an icon.
    bool keepsOwnIcon = false;
    ShortcutFileLines lines;
};

enum class ShortcutRefusal { TooLarge, NoUrl, NotMailto };

using ShortcutReading = std::variant<OpenedShortcut, ShortcutRefusal, UnspellableField>;

ShortcutReading ReadShortcut(std::string_view bytes, const CodePageSpelling& spelling);
