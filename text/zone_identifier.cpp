#include "text/zone_identifier.h"

#include <string>

#include "text/ascii_text.h"

namespace zone {
namespace {

// Zone values are small; more digits than this are not a zone.
constexpr size_t kMaxZoneDigits = 6;

// The stream is plain text, but a tool may have written it in UTF-16: its ASCII keys
// are then the low bytes, and anything else cannot be part of a key or a number.
std::string AsSingleBytes(std::string_view text) {
    if (text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE') {
        std::string narrow;
        for (size_t i = 2; i + 1 < text.size(); i += 2) {
            narrow += text[i + 1] == '\0' ? text[i] : '?';
        }
        return narrow;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return std::string(text);
}

std::optional<int> ZoneNumber(std::string_view value) {
    if (value.empty() || value.size() > kMaxZoneDigits ||
        value.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : value) {
        number = number * 10 + (digit - '0');
    }
    return number;
}

}  // namespace

std::optional<int> ZoneIdFromStream(std::string_view streamText) {
    const std::string text = AsSingleBytes(streamText);
    bool inZoneTransfer = false;
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = text.size();
        }
        const std::string_view line =
            mbtext::TrimmedBlanks(std::string_view(text).substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            inZoneTransfer = mbtext::EqualsIgnoringAsciiCase(
                mbtext::TrimmedBlanks(line.substr(1, line.size() - 2)), "ZoneTransfer");
            continue;
        }
        const size_t equals = line.find('=');
        if (inZoneTransfer && equals != std::string_view::npos &&
            mbtext::EqualsIgnoringAsciiCase(mbtext::TrimmedBlanks(line.substr(0, equals)),
                                            "ZoneId")) {
            // The first ZoneId counts, as for the system's own profile reading.
            return ZoneNumber(mbtext::TrimmedBlanks(line.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

}  // namespace zone
