// Whether the HTML Help viewer would show a compiled help file with every page blank,
// from the file's place, its Zone.Identifier mark and the machine's policy for the
// viewer.
#pragma once

#include <string>

#include "text/help_viewer_zone.h"

// Why the viewer would refuse helpFile (a full path). A missing or unreadable
// Zone.Identifier stream means the file was made or unblocked on this machine; a file
// that is not there is not refused, since there is nothing to show. The policy is read
// in the program's own registry view: the viewer runs inside the program and reads
// that one.
zone::ViewerRefusal HelpViewerRefusal(const std::string& helpFile);
