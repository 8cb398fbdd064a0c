// The multibyte text helpers against the reference reading of the same bytes.
// Input: the character to look for, the one to put in its place, then the text.
#include <cstdint>
#include <string>

#include "fuzz/check.h"
#include "fuzz/reference_characters.h"
#include "text/multibyte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const char wanted = static_cast<char>(data[0]);
    const char replacement = static_cast<char>(data[1]);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    for (unsigned byte : {data[0], data[1]}) {
        FUZZ_CHECK(mbtext::IsLeadByte(static_cast<unsigned char>(byte)) ==
                   reference::IsLead(static_cast<unsigned char>(byte)));
    }

    const std::vector<size_t> starts = reference::CharacterStarts(text);
    const std::vector<std::string_view> characters = reference::Characters(text);
    std::vector<size_t> matches;
    std::string replaced;
    for (size_t k = 0; k < characters.size(); ++k) {
        FUZZ_CHECK(mbtext::CharLength(text, starts[k]) == characters[k].size());
        const bool match = characters[k].size() == 1 && characters[k][0] == wanted;
        if (match) {
            matches.push_back(starts[k]);
        }
        replaced += match ? std::string(1, replacement) : std::string(characters[k]);
    }

    // Every search, from every character boundary, finds the next whole match.
    for (size_t k = 0; k <= starts.size(); ++k) {
        const size_t from = k < starts.size() ? starts[k] : text.size();
        size_t expected = std::string::npos;
        for (size_t match : matches) {
            if (match >= from) {
                expected = match;
                break;
            }
        }
        FUZZ_CHECK(mbtext::FindChar(text, wanted, from) == expected);
    }
    FUZZ_CHECK(mbtext::ContainsChar(text, wanted) == !matches.empty());
    FUZZ_CHECK(mbtext::ReplaceChar(text, wanted, replacement) == replaced);

    const bool empty = characters.empty();
    FUZZ_CHECK(mbtext::LastCharPos(text) == (empty ? std::string::npos : starts.back()));
    FUZZ_CHECK(mbtext::EndsWithChar(text, wanted) ==
               (!empty && characters.back().size() == 1 && characters.back()[0] == wanted));
    FUZZ_CHECK(mbtext::EndsInLeadByte(text) == reference::EndsUnfinished(text));

    std::string printable;
    for (unsigned char byte : text) {
        if (byte >= 0x20 && byte != 0x7F) {
            printable += static_cast<char>(byte);
        }
    }
    FUZZ_CHECK(mbtext::WithoutControlBytes(text) == printable);
    return 0;
}
