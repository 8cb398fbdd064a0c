#include "shortcut/mailto_url.h"

#include <optional>
#include <string_view>

#include "shortcut/mailto_characters.h"
#include "text/code_page_spelling.h"
#include "text/multibyte.h"
#include "text/unicode_encoding.h"

namespace {

void AppendEscaped(std::string& url, unsigned char byte) {
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    url += '%';
    url += kHexDigits[byte >> 4];
    url += kHexDigits[byte & 0x0F];
}

// One character beyond ASCII: as it is, or as the escapes of its UTF-8. A character
// code page 932 cannot read (none reaches here from a field) keeps its bytes escaped.
void AppendBeyondAscii(std::string& url, std::string_view character,
                       const CodePageSpelling* asUtf8) {
    if (!asUtf8) {
        url.append(character);
        return;
    }
    const std::optional<std::u16string> wide = asUtf8->Decode(character);
    const std::optional<std::string> utf8 = wide ? unicode::ToUtf8(*wide) : std::nullopt;
    for (const char byte : utf8 ? *utf8 : std::string(character)) {
        AppendEscaped(url, static_cast<unsigned char>(byte));
    }
}

// Walks whole characters: the bytes of a double-byte character are written together,
// so its trail byte (0x5C in "表", 0x40 in "　") is never taken for ASCII. No code
// page has trail bytes below 0x40, so a lead byte before a control byte, a space or a
// quote has no trail byte: it is escaped, and the byte after it stays what it is.
template <typename KeptRaw>
void AppendEncoded(std::string& url, std::string_view text, KeptRaw keptRaw,
                   const CodePageSpelling* asUtf8) {
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            if (keptRaw(byte)) {
                url += static_cast<char>(byte);
            } else {
                AppendEscaped(url, byte);
            }
        } else if (!mbtext::IsLeadByte(byte)) {
            AppendBeyondAscii(url, text.substr(pos, 1), asUtf8);
        } else if (pos + 1 < text.size() && static_cast<unsigned char>(text[pos + 1]) >= 0x40) {
            AppendBeyondAscii(url, text.substr(pos, 2), asUtf8);
            ++pos;
        } else {
            AppendEscaped(url, byte);
        }
    }
}

class FieldAppender {
public:
    FieldAppender(std::string& url, bool addressHoldsFields, const CodePageSpelling* asUtf8)
        : url_(url), separator_(addressHoldsFields ? '&' : '?'), asUtf8_(asUtf8) {}

    void Append(std::string_view key, std::string_view value) {
        if (value.empty()) {
            return;
        }
        url_ += separator_;
        separator_ = '&';
        url_.append(key);
        AppendEncoded(url_, value, mailto::KeptRawInFieldValue, asUtf8_);
    }

private:
    std::string& url_;
    char separator_;
    const CodePageSpelling* asUtf8_;
};

}  // namespace

std::string MailtoUrl(const ShortcutRequest& request) {
    std::string url = "mailto:";
    const std::string address = mbtext::WithoutControlBytes(request.address);
    const CodePageSpelling* const asUtf8 = request.beyondAsciiAsUtf8;
    AppendEncoded(
        url, address, [](unsigned char byte) { return !mailto::EscapedInAddress(byte); }, asUtf8);

    // A pasted "?cc=..." already opened the fields.
    FieldAppender fields(url, mbtext::ContainsChar(address, '?'), asUtf8);
    fields.Append("Subject=", mbtext::WithoutControlBytes(request.subject));
    fields.Append("cc=", mbtext::WithoutControlBytes(request.cc));
    fields.Append("bcc=", mbtext::WithoutControlBytes(request.bcc));
    fields.Append("body=", mbtext::WithCrLfLineBreaks(request.body));
    return url;
}
