// How the bytes of an INI-shaped file hold their text, decided as Notepad decides it, and
// the refusals of files that no profile function would read as text.
#pragma once

#include <string_view>
#include <variant>

namespace ini {

enum class Encoding {
    // The code page (932), as files of earlier versions and of this one are written.
    CodePage,
    // UTF-8 without a byte-order mark: new Notepad's default.
    Utf8,
    Utf8WithMark,
    Utf16LeWithMark,
};

// Files over this size are no settings file, and reading them whole at the start would
// cost a user who pointed something odd at it.
inline constexpr size_t kMaxFileBytes = 1 << 20;

enum class Refusal {
    TooLarge,
    // A NUL byte outside UTF-16: the profile functions would end a line there and the
    // rest would be lost at the next save.
    HoldsNul,
    // UTF-16 with half a character at the end.
    OddUtf16,
};

std::variant<Encoding, Refusal> DetectEncoding(std::string_view bytes);

// The byte-order mark that opens a file of the encoding ("" for none).
std::string_view ByteOrderMark(Encoding encoding);

}  // namespace ini
