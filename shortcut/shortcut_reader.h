// A .url file opened to be changed: what fills the dialog, or why it cannot.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "shortcut/mailto_message.h"
#include "shortcut/shortcut_file_lines.h"
#include "shortcut/windows_profile_reading.h"
#include "text/code_page_spelling.h"
#include "text/system_code_page.h"

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

enum class ShortcutRefusal {
    TooLarge,
    // A NUL byte, a byte-order mark, or bytes that are no characters of the code page:
    // readers disagree on such a file.
    NotCodePageText,
    // Windows' profile functions read another URL or icon than the program does, so
    // the program cannot tell what the shortcut opens.
    WindowsReadsOtherwise,
    NoUrl,
    NotMailto,
};

using ShortcutReading = std::variant<OpenedShortcut, ShortcutRefusal, UnspellableField>;

// The file in UTF-16 as the system reads it, or nullopt when it is no text of the
// system's code page. A .url is always code-page text: the other encodings of the
// settings file do not apply. Every reading of a .url (the open, the file again at
// Create, the read-back) starts here, so that on a system of another code page no byte
// is taken for a "[", "]" or "=" that the shell reads otherwise.
std::optional<std::u16string> ShortcutText(std::string_view bytes, const SystemCodePage& system);

// The file's lines as the system reads them, or nullopt when ShortcutText refuses it.
std::optional<ShortcutFileLines> ReadShortcutLines(std::string_view bytes,
                                                   const SystemCodePage& system);

// True when Windows read the same five values as the program.
bool WindowsReadsTheSame(const ShortcutFileLines& lines, const WindowsProfileReading& windows);

// The URL and the envelope come to the program in code page 932 through spelling, and
// a character it cannot spell gets its field's refusal. windows, when given, is the
// same file as Windows' profile functions read it; a file they read otherwise is
// refused before anything else is said about its content. system is the code page the
// file is read in; without it, 932 through spelling.
ShortcutReading ReadShortcut(std::string_view bytes, const CodePageSpelling& spelling,
                             const WindowsProfileReading* windows = nullptr,
                             const SystemCodePage* system = nullptr);
