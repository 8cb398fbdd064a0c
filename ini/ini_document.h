// INI-shaped bytes (a settings file, a shortcut) as lines: section headers, keys, and
// every other line, each kept byte for byte with its own line end, so that writing the
// document gives back the file it was read from, but for the keys that were set.
//
// Lines are read as the Windows profile functions read them. Each rule is marked where
// it is made: "documented" where Microsoft's pages say so, "observed" where only Wine's
// profile functions show it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ini/ini_encoding.h"
#include "text/code_page_spelling.h"

namespace ini {

enum class LineKind {
    // A blank line, or one whose name is empty (such as "=x").
    Other,
    // "[name]".
    Section,
    // "name=value", or a line with no "=" at all, which is a key without a value
    // (a comment ";..." is one too, as for the profile functions).
    Key,
};

inline constexpr size_t kNoLine = static_cast<size_t>(-1);

class Document {
public:
    // The document of a file's bytes, or why it is left alone.
    static std::variant<Document, Refusal> Parse(std::string_view bytes);
    // The document of bytes in an encoding the caller knows (a .url is always code-page
    // text), its byte-order mark, if any, first.
    static Document ParseAs(std::string_view bytes, Encoding encoding);
    // A document without lines, for a file that does not exist yet.
    explicit Document(Encoding encoding) : encoding_(encoding) {}

    Encoding encoding() const { return encoding_; }
    // The file's bytes: the byte-order mark, then each line and its end.
    std::string Bytes() const;

    size_t LineCount() const { return lines_.size(); }
    LineKind Kind(size_t line) const { return lines_[line].kind; }
    // The header line of the section a line belongs to (a header, its own), or kNoLine
    // for lines ahead of the first header.
    size_t SectionOf(size_t line) const { return lines_[line].header; }
    // The line's bytes in the file's encoding, without its end, and its end ("\r\n",
    // "\n", "\r", or "" for a last line without one).
    std::string_view Raw(size_t line) const { return lines_[line].text; }
    std::string_view End(size_t line) const { return lines_[line].end; }
    // A header's or key's name, in the file's encoding.
    std::string Name(size_t line) const;
    // A key's value as the profile functions return it, in the file's encoding; nullopt
    // for a key without "=" (which reads as missing) or a line that is no key.
    std::optional<std::string> Value(size_t line) const;
    // A key's value read as GetPrivateProfileInt reads a number; defaultValue for a
    // missing key or an empty value.
    int Number(size_t line, int defaultValue) const;
    // The value as it stands on the line, quotes and all: what a copy keeps verbatim.
    std::string VerbatimValue(size_t line) const;

    // Names and values as code-page text; nullopt where the code page cannot spell
    // them exactly (or, for a code-page file, where the bytes are no whole characters).
    std::optional<std::string> NameText(size_t line, const CodePageSpelling& spelling) const;
    std::optional<std::string> ValueText(size_t line, const CodePageSpelling& spelling) const;

    // The header of the first section of an ASCII name, or kNoLine.
    size_t FindSection(std::string_view name) const;
    // The line of the first key of an ASCII name in the first section of sectionName,
    // or kNoLine.
    size_t FindKey(std::string_view sectionName, std::string_view keyName) const;

    // Sets a key to code-page text, converted into the file's encoding: in place, or
    // added behind the section's last key, or in a section added at the end. False,
    // with nothing changed, when the file's encoding cannot hold the text exactly.
    bool SetText(std::string_view sectionName, std::string_view keyName, std::string_view text,
                 const CodePageSpelling& spelling);
    // Sets a key to a value already in the file's encoding (one VerbatimValue gave).
    void SetVerbatim(std::string_view sectionName, std::string_view keyName,
                     std::string_view value);
    // Deletes every key of the name from the first section of sectionName, so that no
    // later copy of the key comes to light.
    void DeleteKey(std::string_view sectionName, std::string_view keyName);

private:
    struct Line {
        std::string text;
        std::string end;
        LineKind kind = LineKind::Other;
        size_t header = kNoLine;
        // In code units of the encoding (bytes, or UTF-16 units): the name, and for a key
        // with "=" the value after the blanks.
        size_t nameBegin = 0;
        size_t nameEnd = 0;
        bool hasValue = false;
        size_t valueBegin = 0;
        size_t valueEnd = 0;
    };

    Encoding encoding_;
    std::vector<Line> lines_;

    size_t UnitBytes() const { return encoding_ == Encoding::Utf16LeWithMark ? 2 : 1; }
    std::u16string Units(std::string_view bytes) const;
    std::u16string ValueUnits(size_t line) const;
    std::string UnitBytesOf(std::u16string_view units) const;
    Line Parsed(std::string text, std::string end) const;
    void Reparse();
    bool NameIs(size_t line, std::string_view asciiName) const;
    std::optional<std::string> Text(std::string_view bytes, const CodePageSpelling& spelling) const;
    std::optional<std::string> Encoded(std::string_view text,
                                       const CodePageSpelling& spelling) const;
    std::string NewLineEnd() const;
};

}  // namespace ini
