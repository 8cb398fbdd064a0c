#include "shortcut/shortcut_file_lines.h"

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace {

enum class Section { None, Other, Shortcut, FirstShortcut, ShellCopyA, ShellCopyW };

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

// The name of a section header ("[ name ]"), or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = mbtext::TrimmedBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const size_t close = mbtext::FindChar(trimmed, ']', 1);
    return mbtext::TrimmedBlanks(
        trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> SplitKey(std::string_view line) {
    const size_t equals = mbtext::FindChar(line, '=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{mbtext::TrimmedBlanks(line.substr(0, equals)),
                    mbtext::TrimmedBlanks(line.substr(equals + 1))};
}

Section SectionOf(std::string_view name, bool seenShortcut) {
    if (mbtext::EqualsIgnoringAsciiCase(name, "InternetShortcut")) {
        return seenShortcut ? Section::Shortcut : Section::FirstShortcut;
    }
    if (mbtext::EqualsIgnoringAsciiCase(name, "InternetShortcut.A")) {
        return Section::ShellCopyA;
    }
    if (mbtext::EqualsIgnoringAsciiCase(name, "InternetShortcut.W")) {
        return Section::ShellCopyW;
    }
    return Section::Other;
}

void KeepFirst(std::optional<std::string>& slot, std::string_view value) {
    if (!slot) {
        slot = std::string(value);
    }
}

}  // namespace

ShortcutFileLines ReadShortcutFileLines(std::string_view bytes) {
    ShortcutFileLines result;
    std::vector<std::string> firstSectionLines;
    std::vector<std::string> otherLines;
    Section section = Section::None;
    for (const std::string_view line : SplitLines(bytes)) {
        if (const auto name = SectionName(line)) {
            section = SectionOf(*name, result.hasSection);
            if (section == Section::FirstShortcut) {
                // The program writes this header itself.
                result.hasSection = true;
                continue;
            }
            if (section == Section::ShellCopyA || section == Section::ShellCopyW) {
                continue;
            }
            otherLines.emplace_back(line);
            continue;
        }
        const auto keyValue = SplitKey(line);
        const bool isUrl = keyValue && mbtext::EqualsIgnoringAsciiCase(keyValue->key, "URL");
        const bool isIconFile =
            keyValue && mbtext::EqualsIgnoringAsciiCase(keyValue->key, "IconFile");
        const bool isIconIndex =
            keyValue && mbtext::EqualsIgnoringAsciiCase(keyValue->key, "IconIndex");
        switch (section) {
            case Section::FirstShortcut:
                if (isUrl) {
                    KeepFirst(result.url, keyValue->value);
                } else if (isIconFile || isIconIndex) {
                    auto& slot = isIconFile ? result.iconFile : result.iconIndex;
                    if (!slot) {
                        slot = std::string(keyValue->value);
                        result.iconLines.emplace_back(line);
                    }
                } else {
                    firstSectionLines.emplace_back(line);
                }
                break;
            case Section::None:  // written back inside the section, where these keys would count
            case Section::Shortcut:
                if (!isUrl && !isIconFile && !isIconIndex) {
                    otherLines.emplace_back(line);
                }
                break;
            case Section::ShellCopyA:
            case Section::ShellCopyW:
                if (isUrl) {
                    KeepFirst(section == Section::ShellCopyA ? result.urlA : result.urlW,
                              keyValue->value);
                }
                break;
            case Section::Other:
                otherLines.emplace_back(line);
                break;
        }
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
