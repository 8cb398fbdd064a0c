#include "shortcut/shortcut_path.h"

#include "text/ascii_text.h"
#include "text/file_name.h"
#include "text/multibyte.h"

namespace {

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

// Control bytes that Windows takes in no file name; a NUL would also end the path
// early. DEL (0x7F) is the one control byte a file or folder name may hold, and a
// folder the user chose may well hold it.
bool HasByteRefusedInFileNames(std::string_view text) {
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (mbtext::IsControlByte(byte) && byte != 0x7F) {
            return true;
        }
    }
    return false;
}

// Windows takes a file name for a device when the part before the first "." (or the
// whole name), without trailing spaces, is one of the names it keeps for devices.
bool IsDeviceName(std::string_view fileName) {
    std::string_view base = fileName.substr(0, mbtext::FindChar(fileName, '.'));
    while (!base.empty() && base.back() == ' ') {
        base.remove_suffix(1);
    }
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (mbtext::EqualsIgnoringAsciiCase(base, device)) {
            return true;
        }
    }
    return base.size() == 4 &&
           (mbtext::StartsWithIgnoringAsciiCase(base, "COM") ||
            mbtext::StartsWithIgnoringAsciiCase(base, "LPT")) &&
           base[3] >= '1' && base[3] <= '9';
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

std::string ShortcutPathText(const std::string& folder, const std::string& name) {
    std::string path = folder;
    // A drive root already ends in "\"; the trail byte 0x5C of "ソ" or "表" does not.
    if (!mbtext::EndsWithChar(path, '\\')) {
        path += '\\';
    }
    path += name;
    path += ".url";
    return path;
}

std::optional<std::string> BuildShortcutPath(const std::string& folder, const std::string& name) {
    if (mbtext::EndsInLeadByte(folder) || mbtext::EndsInLeadByte(name)) {
        return std::nullopt;
    }
    return ShortcutPathText(folder, name);
}

bool IsUsableFolder(std::string_view folder) {
    return !folder.empty() && !HasByteRefusedInFileNames(folder) &&
           !mbtext::EndsInLeadByte(folder) && !IsInDeviceNamespace(folder);
}

bool IsRefusedName(std::string_view name) {
    // The colon byte by byte: it is never a trail byte, and a lead byte in front of
    // one need not hide it from the file system.
    return HasByteRefusedInFileNames(name) || name.find(':') != std::string_view::npos ||
           mbtext::EndsInLeadByte(name) || IsDeviceName(name.substr(mbtext::FileNameStart(name)));
}
