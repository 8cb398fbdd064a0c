// Whether the HTML Help viewer shows the pages of a compiled help file. It compares the
// file's zone with the machine's limit (MaxAllowedZone in the key
// HKLM\SOFTWARE\Microsoft\HTMLHelp\1.x\ItssRestrictions; 0, the local machine, when
// absent) and shows every page blank above it, unless the file lies under a folder of
// the UrlAllowList there.
#pragma once

#include <optional>
#include <string_view>

namespace zone {

constexpr int kLocalMachine = 0;

// Why the viewer would show a help file's pages blank.
enum class ViewerRefusal {
    None,        // it shows them
    Network,     // the file lies on a share whose zone is above the limit
    Downloaded,  // the file's Zone.Identifier mark is above the limit
};

// What is known of a help file and of the machine's policy.
struct HelpFilePlace {
    std::string_view path;               // full path, "\\server\share\..." for a share
    bool onNetworkDrive = false;         // its drive letter is mapped to a share
    std::optional<int> markedZone;       // the ZoneId of its Zone.Identifier stream
    int maxAllowedZone = kLocalMachine;  // MaxAllowedZone
    std::string_view allowList;          // UrlAllowList: folders and file:// URLs, ";" between
};

// A share counts as the local intranet (1) when its server name has no dot, and as
// the Internet (3) otherwise; a mapped drive counts as the intranet. The place decides
// before the mark.
ViewerRefusal ViewerRefusalFor(const HelpFilePlace& place);

}  // namespace zone
