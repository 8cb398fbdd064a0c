// A .url's values as Windows' own profile functions read them (GetPrivateProfileStringW),
// brought to the program as data so that the comparison with its own reading stays
// window-free.
#pragma once

#include <optional>
#include <string>

struct WindowsProfileReading {
    // False when a value holds a character the code page cannot spell: the program's
    // reading can never be the same.
    bool spelt = true;
    // nullopt: the key is missing, or its line holds no "=".
    std::optional<std::string> url;
    std::optional<std::string> urlA;
    std::optional<std::string> urlW;
    std::optional<std::string> iconFile;
    std::optional<std::string> iconIndex;
};
