#include "shortcut/mailto_url_reader.h"

#include <optional>
#include <string>

#include "shortcut/mailto_characters.h"
#include "shortcut/percent_escape.h"
#include "text/ascii_text.h"
#include "text/multibyte.h"
#include "text/unicode_decoding.h"

namespace {

constexpr std::string_view kScheme = "mailto:";

std::string DecodedAddress(std::string_view text) {
    std::string address;
    for (size_t pos = 0; pos < text.size();) {
        const int byte = EscapedByte(text, pos);
        if (byte >= 0 && mailto::EscapedInAddress(static_cast<unsigned char>(byte))) {
            address += static_cast<char>(byte);
            pos += 3;
            continue;
        }
        const size_t length = mbtext::CharLength(text, pos);
        address.append(text.substr(pos, length));
        pos += length;
    }
    return address;
}

// A run of escaped bytes as code-page text: UTF-8 converted exactly when the run is
// UTF-8 beyond ASCII, the bytes themselves otherwise.
std::optional<std::string> EscapedRunText(const std::string& bytes,
                                          const CodePageSpelling& spelling) {
    bool beyondAscii = false;
    for (const unsigned char byte : bytes) {
        beyondAscii = beyondAscii || byte > 0x7F;
    }
    if (!beyondAscii) {
        return bytes;
    }
    const std::optional<std::u16string> utf16 = unicode::FromUtf8(bytes);
    return utf16 ? spelling.Spell(*utf16) : bytes;
}

std::optional<std::string> DecodedValue(std::string_view text, const CodePageSpelling& spelling) {
    std::string value;
    for (size_t pos = 0; pos < text.size();) {
        std::string run;
        for (int byte = EscapedByte(text, pos); byte >= 0; byte = EscapedByte(text, pos)) {
            run += static_cast<char>(byte);
            pos += 3;
        }
        if (!run.empty()) {
            const std::optional<std::string> runText = EscapedRunText(run, spelling);
            if (!runText) {
                return std::nullopt;
            }
            value += *runText;
            continue;
        }
        const size_t length = mbtext::CharLength(text, pos);
        value.append(text.substr(pos, length));
        pos += length;
    }
    return value;
}

}  // namespace

std::optional<MailtoField> MailtoFieldNamed(std::string_view name) {
    if (mbtext::EqualsIgnoringAsciiCase(name, "subject")) {
        return MailtoField::Subject;
    }
    if (mbtext::EqualsIgnoringAsciiCase(name, "cc")) {
        return MailtoField::Cc;
    }
    if (mbtext::EqualsIgnoringAsciiCase(name, "bcc")) {
        return MailtoField::Bcc;
    }
    if (mbtext::EqualsIgnoringAsciiCase(name, "body")) {
        return MailtoField::Body;
    }
    return std::nullopt;
}

namespace {

std::string& FieldText(MailtoMessage& message, MailtoField field) {
    switch (field) {
        case MailtoField::Subject:
            return message.subject;
        case MailtoField::Cc:
            return message.cc;
        case MailtoField::Bcc:
            return message.bcc;
        case MailtoField::Body:
            return message.body;
        case MailtoField::Address:
            break;
    }
    return message.address;
}

}  // namespace

MailtoReading ReadMailtoUrl(std::string_view url, const CodePageSpelling& spelling) {
    if (!mbtext::StartsWithIgnoringAsciiCase(url, kScheme)) {
        return NotMailto{};
    }
    const std::string_view rest = url.substr(kScheme.size());
    const size_t question = mbtext::FindChar(rest, '?');
    MailtoMessage message;
    message.address = DecodedAddress(rest.substr(0, question));
    std::string unread;  // the fields kept as written, behind the address
    bool seen[5] = {};
    size_t start = question == std::string_view::npos ? rest.size() : question + 1;
    while (start < rest.size()) {
        const size_t amp = mbtext::FindChar(rest, '&', start);
        const size_t end = amp == std::string_view::npos ? rest.size() : amp;
        const std::string_view piece = rest.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) {
            continue;
        }
        const size_t equals = mbtext::FindChar(piece, '=');
        const std::optional<MailtoField> field = equals == std::string_view::npos
                                                     ? std::nullopt
                                                     : MailtoFieldNamed(piece.substr(0, equals));
        if (!field || seen[static_cast<int>(*field)]) {
            unread += unread.empty() ? "?" : "&";
            unread.append(piece);
            continue;
        }
        seen[static_cast<int>(*field)] = true;
        const std::optional<std::string> value = DecodedValue(piece.substr(equals + 1), spelling);
        if (!value) {
            return UnspellableField{*field};
        }
        FieldText(message, *field) = *field == MailtoField::Body
                                         ? mbtext::WithCrLfLineBreaks(*value)
                                         : mbtext::WithoutControlBytes(*value);
    }
    message.address = mbtext::WithoutControlBytes(message.address + unread);
    for (const MailtoField field : {MailtoField::Address, MailtoField::Subject, MailtoField::Cc,
                                    MailtoField::Bcc, MailtoField::Body}) {
        if (!spelling.Reads(FieldText(message, field))) {
            return UnspellableField{field};
        }
    }
    return message;
}
