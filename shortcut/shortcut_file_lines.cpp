#include "shortcut/shortcut_file_lines.h"

#include <algorithm>

#include "ini/ini_document.h"
#include "text/ascii_text.h"
#include "text/unicode_decoding.h"
#include "text/unicode_encoding.h"

namespace {

constexpr std::string_view kShortcut = "InternetShortcut";
constexpr std::string_view kShellCopyA = "InternetShortcut.A";
constexpr std::string_view kShellCopyW = "InternetShortcut.W";

unsigned AsciiLower(unsigned unit) {
    return unit >= 'A' && unit <= 'Z' ? unit - 'A' + 'a' : unit;
}

bool IsAsciiName(std::u16string_view name, std::string_view ascii) {
    return name.size() == ascii.size() &&
           std::equal(name.begin(), name.end(), ascii.begin(), [](char16_t unit, char ch) {
               return AsciiLower(unit) == AsciiLower(static_cast<unsigned char>(ch));
           });
}

bool IsOwnedKey(std::u16string_view name) {
    return IsAsciiName(name, "URL") || IsAsciiName(name, "IconFile") ||
           IsAsciiName(name, "IconIndex");
}

// The value of the first key of the name in the first section of the name, as the
// profile functions read it; nullopt when there is none or it has no "=".
std::optional<std::u16string> ValueOf(const ini::Document& document, std::string_view section,
                                      std::string_view key) {
    const size_t line = document.FindKey(section, key);
    const std::optional<std::string> value =
        line == ini::kNoLine ? std::nullopt : document.Value(line);
    return value ? std::optional<std::u16string>(unicode::FromUtf16Le(*value)) : std::nullopt;
}

}  // namespace

ShortcutFileLines ReadShortcutFileLines(std::string_view bytes, std::u16string_view text) {
    // Whatever the model takes for a header decides which lines belong where, so that
    // no kept line can hide a header from the program that the shell would see.
    const ini::Document document = ini::Document::ParseAs("\xFF\xFE" + unicode::ToUtf16Le(text),
                                                          ini::Encoding::Utf16LeWithMark);
    // The same lines as bytes: every code page spells CR and LF as single bytes of
    // their own, so the lines are cut at the same places.
    const ini::Document raw = ini::Document::ParseAs(bytes, ini::Encoding::CodePage);
    ShortcutFileLines result;
    if (raw.LineCount() != document.LineCount()) {
        return result;
    }
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
            result.iconLines.emplace_back(raw.Raw(line));
        }
    }

    std::vector<std::string> firstSectionLines;
    std::vector<std::string> otherLines;
    for (size_t line = 0; line < document.LineCount(); ++line) {
        const size_t header = document.SectionOf(line);
        const std::u16string headerName =
            header == ini::kNoLine ? u"" : unicode::FromUtf16Le(document.Name(header));
        // The .A and .W copies describe the old URL, and the shell would prefer them to
        // the new one: every section of those names goes.
        if (IsAsciiName(headerName, kShellCopyA) || IsAsciiName(headerName, kShellCopyW)) {
            continue;
        }
        if (line == first) {
            continue;  // the program writes this header itself
        }
        // The owned keys of every [InternetShortcut] section, and of the lines ahead of
        // the first header, which written back would land in the program's section.
        const bool ownedPlace = header == ini::kNoLine || IsAsciiName(headerName, kShortcut);
        if (ownedPlace && document.Kind(line) == ini::LineKind::Key &&
            IsOwnedKey(unicode::FromUtf16Le(document.Name(line)))) {
            continue;
        }
        (header == first && first != ini::kNoLine ? firstSectionLines : otherLines)
            .emplace_back(raw.Raw(line));
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
