// Building a shortcut's path from any folder and name: the folder keeps its
// characters, the "\" and the "." of ".url" stay characters of their own, and the
// rules for folders and names agree with the path they allow.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/check.h"
#include "fuzz/reference_characters.h"
#include "shortcut/shortcut_path.h"

namespace {

bool HasByteBelowSpace(std::string_view text) {
    for (unsigned char byte : text) {
        if (byte < 0x20) {
            return true;
        }
    }
    return false;
}

// The last part of a name, the way the path's reader sees its characters.
std::string_view LastPart(std::string_view name) {
    size_t begin = 0;
    size_t offset = 0;
    for (std::string_view character : reference::Characters(name)) {
        offset += character.size();
        if (character == "\\" || character == "/") {
            begin = offset;
        }
    }
    return name.substr(begin);
}

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

bool IsDevice(std::string_view part) {
    std::string base(part.substr(0, part.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    for (char& ch : base) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 32);
        }
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") {
        return true;
    }
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string folder = input.ConsumeRandomLengthString(300);
    const std::string name = input.ConsumeRemainingBytesAsString();

    const std::optional<std::string> path = BuildShortcutPath(folder, name);
    if (path) {
        FUZZ_CHECK(path->compare(0, folder.size(), folder) == 0);
        FUZZ_CHECK(path->size() >= name.size() + 4);
        FUZZ_CHECK(
            path->compare(path->size() - name.size() - 4, std::string::npos, name + ".url") == 0);
        // Read from the start, the folder ends where it ended, a "\" of its own
        // follows (unless the folder ended in one), the name starts afresh and ".url"
        // is four characters of its own.
        const std::vector<std::string_view> folderCharacters = reference::Characters(folder);
        const bool endsInSeparator = !folderCharacters.empty() && folderCharacters.back() == "\\";
        const size_t nameStart = path->size() - name.size() - 4;
        FUZZ_CHECK(nameStart == folder.size() + (endsInSeparator ? 0 : 1));
        FUZZ_CHECK(reference::IsCharacterStart(*path, folder.size()));
        FUZZ_CHECK((*path)[nameStart - 1] == '\\');
        FUZZ_CHECK(reference::IsCharacterStart(*path, nameStart - 1));
        FUZZ_CHECK(reference::IsCharacterStart(*path, nameStart));
        for (size_t dot = path->size() - 4; dot < path->size(); ++dot) {
            FUZZ_CHECK(reference::IsCharacterStart(*path, dot));
        }
    }

    // Only an unfinished last character stops the path.
    FUZZ_CHECK(path.has_value() ==
               (!reference::EndsUnfinished(folder) && !reference::EndsUnfinished(name)));
    // A folder and a name that both pass their rules always give a path.
    if (IsUsableFolder(folder) && !IsRefusedName(name)) {
        FUZZ_CHECK(path.has_value());
    }
    if (IsUsableFolder(folder)) {
        FUZZ_CHECK(!folder.empty() && !HasByteBelowSpace(folder));
        // "\\.\", "\\?\" and "\??\", either separator.
        const bool prefix = folder.size() >= 3 && IsSeparator(folder[0]) &&
                            ((IsSeparator(folder[1]) && (folder[2] == '.' || folder[2] == '?')) ||
                             (folder[1] == '?' && folder[2] == '?'));
        FUZZ_CHECK(!(prefix && (folder.size() == 3 || IsSeparator(folder[3]))));
    }
    if (!IsRefusedName(name)) {
        FUZZ_CHECK(!HasByteBelowSpace(name));
        FUZZ_CHECK(name.find(':') == std::string::npos);
        FUZZ_CHECK(!IsDevice(LastPart(name)));
    }
    return 0;
}
