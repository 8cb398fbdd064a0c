// A shortcut request with only an address, a subject and an icon, as most tests of the
// shortcut file need.
#pragma once

#include <string>

#include "shortcut/shortcut_request.h"

inline ShortcutRequest RequestOf(const std::string& address, const std::string& subject,
                                 int iconIndex) {
    ShortcutRequest request;
    request.address = address;
    request.subject = subject;
    request.iconIndex = iconIndex;
    return request;
}
