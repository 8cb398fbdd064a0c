// Where a compiled help file came from, as far as the help viewer cares: the viewer
// shows blank pages for a file marked as downloaded from the Internet and for one on a
// network path.
#pragma once

#include <string>

enum class HelpFileOrigin {
    Local,       // shown as it is
    Downloaded,  // its Zone.Identifier stream says zone 3 or above
    Network,     // a UNC path or a remote drive
};

// The origin of helpFile (a full path). A missing or unreadable Zone.Identifier stream
// means the file was made or unblocked on this machine; a file that is not there is
// Local too, since there is nothing to refuse.
HelpFileOrigin OriginOfHelpFile(const std::string& helpFile);
