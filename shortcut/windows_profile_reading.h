// A .url's values as Windows' own profile functions read them (GetPrivateProfileStringW),
// brought to the program as data so that the comparison with its own reading stays
// window-free. In UTF-16 as Windows returns them: a character that a code page has twice
// (the NEC and IBM copies of one kanji) reads as one.
#pragma once

#include <optional>
#include <string>

struct WindowsProfileReading {
    // False when Windows could not be asked (the file could be opened under no name its
    // profile functions take): nothing it read can be vouched for.
    bool asked = true;
    // nullopt: the key is missing, or its line holds no "=".
    std::optional<std::u16string> url;
    std::optional<std::u16string> urlA;
    std::optional<std::u16string> urlW;
    std::optional<std::u16string> iconFile;
    std::optional<std::u16string> iconIndex;
};
