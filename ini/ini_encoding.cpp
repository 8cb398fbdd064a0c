#include "ini/ini_encoding.h"

#include <algorithm>

#include "text/unicode_decoding.h"

namespace ini {
namespace {

constexpr std::string_view kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr std::string_view kUtf16LeMark("\xFF\xFE", 2);

}  // namespace

std::string_view ByteOrderMark(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8WithMark:
            return kUtf8Mark;
        case Encoding::Utf16LeWithMark:
            return kUtf16LeMark;
        case Encoding::CodePage:
        case Encoding::Utf8:
            break;
    }
    return {};
}

std::variant<Encoding, Refusal> DetectEncoding(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) {
        return Refusal::TooLarge;
    }
    if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
        if (bytes.size() % 2 != 0) {
            return Refusal::OddUtf16;
        }
        return Encoding::Utf16LeWithMark;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return Refusal::HoldsNul;
    }
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        return Encoding::Utf8WithMark;
    }
    // Notepad's rule: well-formed UTF-8 throughout with at least one byte beyond ASCII.
    // Pure ASCII reads the same either way and stays code-page text.
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
    if (beyondAscii && unicode::FromUtf8(bytes)) {
        return Encoding::Utf8;
    }
    return Encoding::CodePage;
}

}  // namespace ini
