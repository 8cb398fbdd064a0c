#include "shortcut/shortcut_path.h"

#include "text/ascii_text.h"
#include "text/file_name.h"
#include "text/multibyte.h"
#include "text/usable_folder.h"

namespace {

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

bool IsRefusedName(std::string_view name) {
    // The colon byte by byte: it is never a trail byte, and a lead byte in front of
    // one need not hide it from the file system.
    return HasByteRefusedInFileNames(name) || name.find(':') != std::string_view::npos ||
           mbtext::EndsInLeadByte(name) || IsDeviceName(name.substr(mbtext::FileNameStart(name)));
}
