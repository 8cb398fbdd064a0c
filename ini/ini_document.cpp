#include "ini/ini_document.h"

#include <algorithm>
#include <cstdint>

#include "text/multibyte.h"
#include "text/unicode_decoding.h"
#include "text/unicode_encoding.h"

namespace ini {
namespace {

// Observed: besides space and tab, the profile functions trim CR, LF, \v, \f and ^Z
// (the end-of-file mark of old DOS files) around lines, names and values.
bool IsBlank(char16_t unit) {
    return (unit >= 0x09 && unit <= 0x0D) || unit == 0x1A || unit == 0x20;
}

char16_t AsciiLower(char16_t unit) {
    return unit >= 'A' && unit <= 'Z' ? static_cast<char16_t>(unit - 'A' + 'a') : unit;
}

// Text ends at a NUL, as the profile functions hand out C strings (observed).
std::u16string_view UpToNul(std::u16string_view units) {
    return units.substr(0, std::min(units.find(u'\0'), units.size()));
}

// Documented: quotes around a value, single or double, are dropped.
std::u16string_view WithoutQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

int DigitValue(char16_t unit) {
    if (unit >= '0' && unit <= '9') {
        return unit - '0';
    }
    if (unit >= 'a' && unit <= 'z') {
        return unit - 'a' + 10;
    }
    if (unit >= 'A' && unit <= 'Z') {
        return unit - 'A' + 10;
    }
    return 99;
}

}  // namespace

std::u16string Document::Units(std::string_view bytes) const {
    std::u16string units;
    if (UnitBytes() == 1) {
        for (const char byte : bytes) {
            units += static_cast<char16_t>(static_cast<unsigned char>(byte));
        }
        return units;
    }
    return unicode::FromUtf16Le(bytes);
}

std::string Document::UnitBytesOf(std::u16string_view units) const {
    if (UnitBytes() == 2) {
        return unicode::ToUtf16Le(units);
    }
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

Document::Line Document::Parsed(std::string text, std::string end) const {
    Line line;
    line.text = std::move(text);
    line.end = std::move(end);
    const std::u16string units = Units(line.text);
    size_t begin = 0;
    size_t stop = units.size();
    while (begin < stop && IsBlank(units[begin])) {
        ++begin;
    }
    while (stop > begin && IsBlank(units[stop - 1])) {
        --stop;
    }
    if (begin == stop) {
        return line;
    }
    // Code-page text is walked by whole characters: a trail byte "]" or "=" is part of a
    // kanji.
    const bool codePage = encoding_ == Encoding::CodePage;
    size_t firstEquals = kNoLine;
    size_t lastBracket = kNoLine;
    for (size_t pos = begin; pos < stop; ++pos) {
        if (units[pos] == '=' && firstEquals == kNoLine) {
            firstEquals = pos;
        } else if (units[pos] == ']') {
            lastBracket = pos;
        } else if (codePage && mbtext::IsLeadByte(static_cast<unsigned char>(units[pos])) &&
                   pos + 1 < stop) {
            ++pos;
        }
    }
    // Observed: a header's name ends at the last "]" on the line, and is not trimmed; a
    // "[" without any "]" makes a key.
    if (units[begin] == '[' && lastBracket != kNoLine) {
        line.kind = LineKind::Section;
        line.nameBegin = begin + 1;
        line.nameEnd = lastBracket;
        return line;
    }
    line.nameBegin = begin;
    line.nameEnd = stop;
    if (firstEquals != kNoLine) {
        line.nameEnd = firstEquals;
        while (line.nameEnd > begin && IsBlank(units[line.nameEnd - 1])) {
            --line.nameEnd;
        }
        line.hasValue = true;
        line.valueBegin = firstEquals + 1;
        while (line.valueBegin < stop && IsBlank(units[line.valueBegin])) {
            ++line.valueBegin;
        }
        line.valueEnd = std::max(stop, line.valueBegin);
    }
    if (line.nameEnd > line.nameBegin) {
        line.kind = LineKind::Key;
    }
    return line;
}

void Document::Reparse() {
    size_t header = kNoLine;
    for (size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].kind == LineKind::Section) {
            header = index;
        }
        lines_[index].header = header;
    }
}

std::variant<Document, Refusal> Document::Parse(std::string_view bytes) {
    const std::variant<Encoding, Refusal> detected = DetectEncoding(bytes);
    if (const Refusal* refusal = std::get_if<Refusal>(&detected)) {
        return *refusal;
    }
    return ParseAs(bytes, std::get<Encoding>(detected));
}

Document Document::ParseAs(std::string_view bytes, Encoding encoding) {
    Document document(encoding);
    bytes.remove_prefix(ByteOrderMark(document.encoding_).size());
    // Observed: LF, CR LF and a CR alone each end a line (Wine's profile functions read
    // "HotKey=1\rURL=x" as two keys).
    const size_t width = document.UnitBytes();
    const auto isUnit = [&bytes, width](size_t pos, char unit) {
        return pos + width <= bytes.size() && bytes[pos] == unit &&
               (width == 1 || bytes[pos + 1] == '\0');
    };
    size_t start = 0;
    while (start < bytes.size()) {
        size_t pos = start;
        while (pos + width <= bytes.size() && !isUnit(pos, '\n') && !isUnit(pos, '\r')) {
            pos += width;
        }
        if (pos + width > bytes.size()) {
            document.lines_.push_back(document.Parsed(std::string(bytes.substr(start)), {}));
            break;
        }
        const size_t endLength = isUnit(pos, '\r') && isUnit(pos + width, '\n') ? 2 * width : width;
        document.lines_.push_back(document.Parsed(std::string(bytes.substr(start, pos - start)),
                                                  std::string(bytes.substr(pos, endLength))));
        start = pos + endLength;
    }
    document.Reparse();
    return document;
}

std::string Document::Bytes() const {
    std::string bytes(ByteOrderMark(encoding_));
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::string Document::Name(size_t line) const {
    const Line& entry = lines_[line];
    if (entry.kind == LineKind::Other) {
        return {};
    }
    const std::u16string units = Units(entry.text);
    return UnitBytesOf(UpToNul(
        std::u16string_view(units).substr(entry.nameBegin, entry.nameEnd - entry.nameBegin)));
}

std::u16string Document::ValueUnits(size_t line) const {
    const Line& entry = lines_[line];
    const std::u16string units = Units(entry.text);
    return std::u16string(WithoutQuotes(UpToNul(
        std::u16string_view(units).substr(entry.valueBegin, entry.valueEnd - entry.valueBegin))));
}

std::optional<std::string> Document::Value(size_t line) const {
    if (lines_[line].kind != LineKind::Key || !lines_[line].hasValue) {
        return std::nullopt;
    }
    return UnitBytesOf(ValueUnits(line));
}

std::string Document::VerbatimValue(size_t line) const {
    const Line& entry = lines_[line];
    if (!entry.hasValue) {
        return {};
    }
    const size_t width = UnitBytes();
    return entry.text.substr(entry.valueBegin * width, (entry.valueEnd - entry.valueBegin) * width);
}

int Document::Number(size_t line, int defaultValue) const {
    if (line == kNoLine || lines_[line].kind != LineKind::Key || !lines_[line].hasValue) {
        return defaultValue;
    }
    // Observed: the value is read into a buffer of 30 characters, then converted as
    // RtlUnicodeStringToInteger converts with base 0, which is documented: blanks, a
    // sign, a "0x", "0o" or "0b" prefix, digits up to the first that is none; the
    // number wraps around at 32 bits.
    const std::u16string value = ValueUnits(line).substr(0, 29);
    if (value.empty()) {
        return defaultValue;
    }
    size_t pos = 0;
    while (pos < value.size() && value[pos] <= ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) {
        negative = value[pos++] == '-';
    }
    unsigned base = 10;
    if (pos + 1 < value.size() && value[pos] == '0') {
        const char16_t prefix = value[pos + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) {
            pos += 2;
        }
    }
    uint32_t number = 0;
    for (; pos < value.size(); ++pos) {
        const auto digit = static_cast<unsigned>(DigitValue(value[pos]));
        if (digit >= base) {
            break;
        }
        number = number * base + digit;
    }
    return static_cast<int>(negative ? 0u - number : number);
}

std::optional<std::string> Document::Text(std::string_view bytes,
                                          const CodePageSpelling& spelling) const {
    switch (encoding_) {
        case Encoding::CodePage:
            if (!spelling.Reads(bytes)) {
                return std::nullopt;
            }
            return std::string(bytes);
        case Encoding::Utf8:
        case Encoding::Utf8WithMark: {
            const std::optional<std::u16string> wide = unicode::FromUtf8(bytes);
            return wide ? spelling.Spell(*wide) : std::nullopt;
        }
        case Encoding::Utf16LeWithMark:
            return spelling.Spell(Units(bytes));
    }
    return std::nullopt;
}

std::optional<std::string> Document::Encoded(std::string_view text,
                                             const CodePageSpelling& spelling) const {
    if (encoding_ == Encoding::CodePage) {
        if (!spelling.Reads(text)) {
            return std::nullopt;
        }
        return std::string(text);
    }
    const std::optional<std::u16string> wide = spelling.Widen(text);
    if (!wide) {
        return std::nullopt;
    }
    if (encoding_ == Encoding::Utf16LeWithMark) {
        return UnitBytesOf(*wide);
    }
    return unicode::ToUtf8(*wide);
}

std::optional<std::string> Document::NameText(size_t line, const CodePageSpelling& spelling) const {
    return Text(Name(line), spelling);
}

std::optional<std::string> Document::ValueText(size_t line,
                                               const CodePageSpelling& spelling) const {
    const std::optional<std::string> value = Value(line);
    return value ? Text(*value, spelling) : std::nullopt;
}

bool Document::NameIs(size_t line, std::string_view asciiName) const {
    const Line& entry = lines_[line];
    const std::u16string units = Units(entry.text);
    const std::u16string_view name = UpToNul(
        std::u16string_view(units).substr(entry.nameBegin, entry.nameEnd - entry.nameBegin));
    // Documented: section and key names match without regard to case.
    return name.size() == asciiName.size() &&
           std::equal(name.begin(), name.end(), asciiName.begin(), [](char16_t unit, char ascii) {
               return AsciiLower(unit) == AsciiLower(static_cast<unsigned char>(ascii));
           });
}

size_t Document::FindSection(std::string_view name) const {
    // Observed: the first section of a name is the one read and written; later ones of
    // the same name are passed over.
    for (size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].kind == LineKind::Section && NameIs(index, name)) {
            return index;
        }
    }
    return kNoLine;
}

size_t Document::FindKey(std::string_view sectionName, std::string_view keyName) const {
    const size_t header = FindSection(sectionName);
    if (header == kNoLine) {
        return kNoLine;
    }
    // Observed: the first key of a name wins, even one without "=".
    for (size_t index = header + 1; index < lines_.size() && lines_[index].header == header;
         ++index) {
        if (lines_[index].kind == LineKind::Key && NameIs(index, keyName)) {
            return index;
        }
    }
    return kNoLine;
}

std::string Document::NewLineEnd() const {
    // New lines end as the file's first line that ends in LF or CR LF; a CR alone (old
    // Mac files, read alike) is not copied, and a file without either gets CR LF.
    for (const Line& line : lines_) {
        if (line.end.size() > UnitBytes()) {
            return UnitBytesOf(u"\r\n");
        }
        if (!line.end.empty() && line.end[0] == '\n') {
            return line.end;
        }
    }
    return UnitBytesOf(u"\r\n");
}

bool Document::SetText(std::string_view sectionName, std::string_view keyName,
                       std::string_view text, const CodePageSpelling& spelling) {
    const std::optional<std::string> value = Encoded(text, spelling);
    if (!value) {
        return false;
    }
    SetVerbatim(sectionName, keyName, *value);
    return true;
}

void Document::SetVerbatim(std::string_view sectionName, std::string_view keyName,
                           std::string_view value) {
    const std::u16string asciiKey(keyName.begin(), keyName.end());
    const size_t key = FindKey(sectionName, keyName);
    if (key != kNoLine) {
        Line& line = lines_[key];
        std::string text = line.hasValue ? line.text.substr(0, line.valueBegin * UnitBytes())
                                         : line.text + UnitBytesOf(u"=");
        text += value;
        lines_[key] = Parsed(std::move(text), std::move(line.end));
        Reparse();
        return;
    }
    const std::string end = NewLineEnd();
    size_t header = FindSection(sectionName);
    if (header == kNoLine) {
        if (!lines_.empty() && lines_.back().end.empty()) {
            lines_.back().end = end;
        }
        const std::u16string asciiSection(sectionName.begin(), sectionName.end());
        lines_.push_back(Parsed(UnitBytesOf(u"[" + asciiSection + u"]"), end));
        header = lines_.size() - 1;
    }
    // Behind the section's last key with a value, so that blank lines and comments
    // between sections stay with the next one.
    size_t after = header;
    for (size_t index = header + 1; index < lines_.size() && lines_[index].header == header;
         ++index) {
        if (lines_[index].kind == LineKind::Key && lines_[index].hasValue) {
            after = index;
        }
    }
    if (lines_[after].end.empty()) {
        lines_[after].end = end;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                  Parsed(UnitBytesOf(asciiKey + u"=") + std::string(value), end));
    Reparse();
}

void Document::DeleteKey(std::string_view sectionName, std::string_view keyName) {
    const size_t header = FindSection(sectionName);
    if (header == kNoLine) {
        return;
    }
    for (size_t index = header + 1; index < lines_.size() && lines_[index].header == header;) {
        if (lines_[index].kind == LineKind::Key && NameIs(index, keyName)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
        } else {
            ++index;
        }
    }
    Reparse();
}

}  // namespace ini
