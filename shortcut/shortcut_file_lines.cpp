#include "shortcut/shortcut_file_lines.h"

#include <algorithm>

#include "ini/ini_document.h"
#include "text/ascii_text.h"

namespace {

constexpr std::string_view kShortcut = "InternetShortcut";
constexpr std::string_view kShellCopyA = "InternetShortcut.A";
constexpr std::string_view kShellCopyW = "InternetShortcut.W";

bool IsOwnedKey(std::string_view name) {
    return mbtext::EqualsIgnoringAsciiCase(name, "URL") ||
           mbtext::EqualsIgnoringAsciiCase(name, "IconFile") ||
           mbtext::EqualsIgnoringAsciiCase(name, "IconIndex");
}

// The value of the first key of the name in the first section of the name, as the
// profile functions read it; nullopt when there is none or it has no "=".
std::optional<std::string> ValueOf(const ini::Document& document, std::string_view section,
                                   std::string_view key) {
    const size_t line = document.FindKey(section, key);
    return line == ini::kNoLine ? std::nullopt : document.Value(line);
}

// Observed: Wine's profile functions end a line at a CR alone too, where the model keeps
// it inside the line. Ended here as CR LF, so that no kept line holds a CR behind which
// Windows would find a header or a key; the file reads the same to Windows either way.
std::string WithLoneCrEnded(std::string_view text) {
    std::string ended;
    ended.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        ended += text[pos];
        if (text[pos] == '\r' && (pos + 1 == text.size() || text[pos + 1] != '\n')) {
            ended += '\n';
        }
    }
    return ended;
}

}  // namespace

ShortcutFileLines ReadShortcutFileLines(std::string_view text) {
    // Whatever the model takes for a header decides which lines belong where, so that
    // no kept line can hide a header from the program that the shell would see.
    const ini::Document document =
        ini::Document::ParseAs(WithLoneCrEnded(text), ini::Encoding::CodePage);
    ShortcutFileLines result;
    const size_t first = document.FindSection(kShortcut);
    result.hasSection = first != ini::kNoLine;
    result.url = ValueOf(document, kShortcut, "URL");
    result.iconFile = ValueOf(document, kShortcut, "IconFile");
    result.iconIndex = ValueOf(document, kShortcut, "IconIndex");
    result.urlA = ValueOf(document, kShellCopyA, "URL");
    result.urlW = ValueOf(document, kShellCopyW, "URL");
    // The icon lines in the order the file has them.
    const size_t iconFile = document.FindKey(kShortcut, "IconFile");
    const size_t iconIndex = document.FindKey(kShortcut, "IconIndex");
    for (const size_t line : {std::min(iconFile, iconIndex), std::max(iconFile, iconIndex)}) {
        if (line != ini::kNoLine) {
            result.iconLines.emplace_back(document.Raw(line));
        }
    }

    std::vector<std::string> firstSectionLines;
    std::vector<std::string> otherLines;
    for (size_t line = 0; line < document.LineCount(); ++line) {
        const size_t header = document.SectionOf(line);
        const std::string headerName = header == ini::kNoLine ? "" : document.Name(header);
        // The .A and .W copies describe the old URL, and the shell would prefer them to
        // the new one: every section of those names goes.
        if (mbtext::EqualsIgnoringAsciiCase(headerName, kShellCopyA) ||
            mbtext::EqualsIgnoringAsciiCase(headerName, kShellCopyW)) {
            continue;
        }
        if (line == first) {
            continue;  // the program writes this header itself
        }
        // The owned keys of every [InternetShortcut] section, and of the lines ahead of
        // the first header, which written back would land in the program's section.
        const bool ownedPlace =
            header == ini::kNoLine || mbtext::EqualsIgnoringAsciiCase(headerName, kShortcut);
        if (ownedPlace && document.Kind(line) == ini::LineKind::Key &&
            IsOwnedKey(document.Name(line))) {
            continue;
        }
        (header == first && first != ini::kNoLine ? firstSectionLines : otherLines)
            .emplace_back(document.Raw(line));
    }
    result.keptLines = std::move(firstSectionLines);
    result.keptLines.insert(result.keptLines.end(), otherLines.begin(), otherLines.end());
    return result;
}

void WriteKeptLines(TextStream& stream, const ShortcutFileLines& lines, bool keepIconLines) {
    if (keepIconLines) {
        for (const std::string& line : lines.iconLines) {
            stream.WriteString(line);
            stream.WriteString("\n");
        }
    }
    for (const std::string& line : lines.keptLines) {
        stream.WriteString(line);
        stream.WriteString("\n");
    }
}
