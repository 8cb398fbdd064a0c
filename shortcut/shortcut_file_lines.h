// A .url file as the shell reads it, line by line: the values the program reads, and
// every line it does not own, kept to be written back when the file is changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shortcut/text_stream.h"

struct ShortcutFileLines {
    // The first [InternetShortcut] section, and in it the first URL, IconFile and
    // IconIndex, their values in UTF-16 as GetPrivateProfileStringW returns them
    // (nullopt: missing, or a line without "=").
    bool hasSection = false;
    std::optional<std::u16string> url;
    std::optional<std::u16string> iconFile;
    std::optional<std::u16string> iconIndex;
    // The icon lines as written (bytes of the system's code page), for a shortcut that
    // keeps its own icon.
    std::vector<std::string> iconLines;
    // The first URL of the [InternetShortcut.A] and [InternetShortcut.W] sections:
    // the shell's copy of the URL in the code page and in UTF-7.
    std::optional<std::u16string> urlA;
    std::optional<std::u16string> urlW;
    // Every other line, without its line end, in the order it is written back: the rest
    // of the first [InternetShortcut] section (so its keys stay in it), then the lines
    // around it in file order. Left out: the URL and icon keys of every [InternetShortcut]
    // section and of the lines before the first section (written back, they would land
    // in it), and the .A and .W sections, which describe the old URL and which the shell
    // would prefer to the new one.
    std::vector<std::string> keptLines;
};

// A file read as the profile functions read it (the INI model's rules): LF, CR LF and a
// CR alone end a line; a header's name ends at its last "]"; blanks, \v and \f are
// trimmed; names match without case; the first section and the first key of a name win;
// quotes around a value are dropped. bytes is the file, text the same file in UTF-16 as
// the system reads it, line for line. The lines are parsed in text, so that no byte of
// another code page is taken for half of a code page 932 character; the kept lines are
// the file's own bytes, written back as they were.
ShortcutFileLines ReadShortcutFileLines(std::string_view bytes, std::u16string_view text);

// The kept lines after the program's own ones, each ended with a line break; the icon
// lines first when the shortcut keeps its own icon.
void WriteKeptLines(TextStream& stream, const ShortcutFileLines& lines, bool keepIconLines);
