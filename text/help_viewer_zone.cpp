#include "text/help_viewer_zone.h"

#include <algorithm>
#include <string>

#include "text/ascii_text.h"
#include "text/multibyte.h"

namespace zone {
namespace {

constexpr int kIntranet = 1;
constexpr int kInternet = 3;

// "\\?\UNC\server\share" and "\\?\C:\dir", the long forms, as "\\server\share" and
// "C:\dir".
std::string_view WithoutLongPrefix(std::string_view path, std::string& buffer) {
    for (const std::string_view prefix : {"\\\\?\\", "\\\\.\\"}) {
        if (mbtext::StartsWithIgnoringAsciiCase(path, prefix)) {
            path.remove_prefix(prefix.size());
            if (mbtext::StartsWithIgnoringAsciiCase(path, "UNC\\")) {
                buffer = "\\\\" + std::string(path.substr(4));
                return buffer;
            }
            return path;
        }
    }
    return path;
}

// The server of "\\server\share\...", or nothing for a path that is not on a share.
std::optional<std::string_view> ServerName(std::string_view path) {
    if (path.substr(0, 2) != "\\\\") {
        return std::nullopt;
    }
    const std::string_view rest = path.substr(2);
    return rest.substr(0, mbtext::FindChar(rest, '\\'));
}

int PlaceZone(std::string_view path, bool onNetworkDrive) {
    if (const std::optional<std::string_view> server = ServerName(path)) {
        return mbtext::ContainsChar(*server, '.') ? kInternet : kIntranet;
    }
    return onNetworkDrive ? kIntranet : kLocalMachine;
}

// An entry of the allow list as a folder path: "file://\\server\share",
// "file://server/share" and "\\server\share\" all become "\\server\share",
// "file:///C:/dir" becomes "C:\dir".
std::string AllowedFolder(std::string_view entry) {
    entry = mbtext::TrimmedBlanks(entry);
    if (mbtext::StartsWithIgnoringAsciiCase(entry, "file:")) {
        entry.remove_prefix(5);
    }
    std::string folder = mbtext::ReplaceChar(std::string(entry), '/', '\\');
    const size_t start = std::min(folder.find_first_not_of('\\'), folder.size());
    const std::string rest = folder.substr(start);
    if (rest.size() >= 2 && rest[1] == ':') {
        folder = rest;
    } else if (start >= 2) {
        folder = "\\\\" + rest;
    }
    while (mbtext::EndsWithChar(folder, '\\')) {
        folder.pop_back();
    }
    return folder;
}

// True when path is folder or lies inside it. Characters are compared whole, ASCII
// letters without regard to case.
bool IsInFolder(std::string_view path, std::string_view folder) {
    return !folder.empty() && mbtext::StartsWithTextIgnoringAsciiCase(path, folder) &&
           (path.size() == folder.size() || path[folder.size()] == '\\');
}

bool IsAllowed(std::string_view path, std::string_view allowList) {
    size_t start = 0;
    while (start <= allowList.size()) {
        size_t end = mbtext::FindChar(allowList, ';', start);
        if (end == std::string_view::npos) {
            end = allowList.size();
        }
        if (IsInFolder(path, AllowedFolder(allowList.substr(start, end - start)))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

ViewerRefusal ViewerRefusalFor(const HelpFilePlace& place) {
    std::string buffer;
    const std::string_view path = WithoutLongPrefix(place.path, buffer);
    if (IsAllowed(path, place.allowList)) {
        return ViewerRefusal::None;
    }
    if (PlaceZone(path, place.onNetworkDrive) > place.maxAllowedZone) {
        return ViewerRefusal::Network;
    }
    if (place.markedZone.value_or(kLocalMachine) > place.maxAllowedZone) {
        return ViewerRefusal::Downloaded;
    }
    return ViewerRefusal::None;
}

}  // namespace zone
