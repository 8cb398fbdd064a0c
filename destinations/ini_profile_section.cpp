#include "destinations/ini_profile_section.h"

#include "destinations/settings_section.h"
#include "text/unicode_decoding.h"
#include "text/unicode_encoding.h"

namespace {

// The letter of an encoding in a verbatim folder.
char EncodingLetter(ini::Encoding encoding) {
    switch (encoding) {
        case ini::Encoding::CodePage:
            return 'c';
        case ini::Encoding::Utf8:
        case ini::Encoding::Utf8WithMark:
            return '8';
        case ini::Encoding::Utf16LeWithMark:
            return 'w';
    }
    return 'c';
}

// A verbatim value in the bytes of another encoding: exact between UTF-8 and UTF-16;
// code-page bytes that are no characters have no Unicode form, nor the reverse.
std::optional<std::string> Recoded(char from, std::string_view bytes, char to) {
    if (from == to) {
        return std::string(bytes);
    }
    if (from == '8' && to == 'w') {
        const std::optional<std::u16string> units = unicode::FromUtf8(bytes);
        return units ? std::optional<std::string>(unicode::ToUtf16Le(*units)) : std::nullopt;
    }
    if (from == 'w' && to == '8') {
        return unicode::ToUtf8(unicode::FromUtf16Le(bytes));
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> IniProfileSection::ReadString(const std::string& key) {
    const size_t line = document_.FindKey(section_, key);
    // A key without "=" reads as missing.
    if (line == ini::kNoLine || !document_.Value(line)) {
        return std::string();
    }
    std::optional<std::string> text = document_.ValueText(line, spelling_);
    if (!text || text->size() > kMaxValueBytes) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> IniProfileSection::ReadVerbatim(const std::string& key) {
    const size_t line = document_.FindKey(section_, key);
    if (line == ini::kNoLine || !document_.Value(line) || document_.ValueText(line, spelling_)) {
        return std::nullopt;
    }
    return VerbatimFolder(EncodingLetter(document_.encoding()), document_.VerbatimValue(line));
}

int IniProfileSection::ReadInt(const std::string& key, int defaultValue) {
    return document_.Number(document_.FindKey(section_, key), defaultValue);
}

std::vector<std::string> IniProfileSection::ReadLines() {
    std::vector<std::string> lines;
    const size_t header = document_.FindSection(section_);
    if (header == ini::kNoLine) {
        return lines;
    }
    for (size_t line = header + 1;
         line < document_.LineCount() && document_.SectionOf(line) == header; ++line) {
        const std::optional<std::string> name = document_.NameText(line, spelling_);
        if (document_.Kind(line) == ini::LineKind::Key && name) {
            lines.push_back(*name + "=" + document_.ValueText(line, spelling_).value_or(""));
        }
    }
    return lines;
}

bool IniProfileSection::WriteKey(const std::string& key, const std::optional<std::string>& value) {
    if (!value) {
        document_.DeleteKey(section_, key);
        return true;
    }
    if (!IsVerbatimFolder(*value)) {
        return document_.SetText(section_, key, *value, spelling_);
    }
    const std::optional<std::string> bytes =
        value->size() < 2 ? std::nullopt
                          : Recoded((*value)[1], std::string_view(*value).substr(2),
                                    EncodingLetter(document_.encoding()));
    if (!bytes) {
        return false;
    }
    document_.SetVerbatim(section_, key, *bytes);
    return true;
}
