#include "text/usable_folder.h"

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

// "\\.\", "\\?\" and "\??\", with either separator.
bool IsInDeviceNamespace(std::string_view path) {
    if (path.size() < 3) {
        return false;
    }
    const bool separatorAfter = path.size() == 3 || IsSeparator(path[3]);
    const bool localDevice =
        IsSeparator(path[0]) && IsSeparator(path[1]) && (path[2] == '.' || path[2] == '?');
    const bool ntObject = IsSeparator(path[0]) && path[1] == '?' && path[2] == '?';
    return separatorAfter && (localDevice || ntObject);
}

}  // namespace

// DEL (0x7F) is the one control byte a file or folder name may hold, and a folder the
// user chose may well hold it.
bool HasByteRefusedInFileNames(std::string_view text) {
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (mbtext::IsControlByte(byte) && byte != 0x7F) {
            return true;
        }
    }
    return false;
}

bool IsUsableFolder(std::string_view folder) {
    return !folder.empty() && !HasByteRefusedInFileNames(folder) &&
           !mbtext::EndsInLeadByte(folder) && !IsInDeviceNamespace(folder);
}
