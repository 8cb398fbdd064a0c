// A second, separately written reading of Shift-JIS (code page 932) text, for checking
// the program's own character walk: a table of lead bytes and a scan that remembers
// whether the next byte is owed to the character before it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

inline bool IsLead(unsigned char byte) {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> leads{};
        for (int b = 0x81; b <= 0x9F; ++b) {
            leads[static_cast<size_t>(b)] = true;
        }
        for (int b = 0xE0; b <= 0xFC; ++b) {
            leads[static_cast<size_t>(b)] = true;
        }
        return leads;
    }();
    return table[byte];
}

// Where each character starts. A lead byte takes the byte after it, whatever that
// is; a lead byte at the very end stands alone.
inline std::vector<size_t> CharacterStarts(std::string_view text) {
    std::vector<size_t> starts;
    bool owed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (owed) {
            owed = false;
            continue;
        }
        starts.push_back(i);
        owed = IsLead(static_cast<unsigned char>(text[i]));
    }
    return starts;
}

// The characters themselves.
inline std::vector<std::string_view> Characters(std::string_view text) {
    const std::vector<size_t> starts = CharacterStarts(text);
    std::vector<std::string_view> characters;
    for (size_t k = 0; k < starts.size(); ++k) {
        const size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        characters.push_back(text.substr(starts[k], end - starts[k]));
    }
    return characters;
}

inline bool IsCharacterStart(std::string_view text, size_t pos) {
    for (size_t start : CharacterStarts(text)) {
        if (start == pos) {
            return true;
        }
    }
    return pos == text.size();
}

// True when the last character is a lead byte that got no trail byte.
inline bool EndsUnfinished(std::string_view text) {
    const std::vector<std::string_view> characters = Characters(text);
    return !characters.empty() && characters.back().size() == 1 &&
           IsLead(static_cast<unsigned char>(characters.back()[0]));
}

}  // namespace reference
