// The URL a mailto shortcut opens, composed from one request.
#pragma once

#include <string>

#include "shortcut/shortcut_request.h"

// "mailto:", the address, then each field that is not empty: "Subject=", "cc=", "bcc=",
// "body=", the first joined with "&" when the address already holds a "?" and with "?"
// otherwise. The address is written as typed but for the bytes that would break the
// shell's argument; in the fields every ASCII byte a value may not hold raw becomes
// "%XX". Text beyond ASCII stays in the code page, or with request.beyondAsciiAsUtf8
// becomes the "%XX" escapes of its UTF-8 (RFC 6068), so that the URL is ASCII and reads
// the same in every code page. Line breaks of the body become
// "%0D%0A", a tab "%09"; every other control byte is dropped, so the URL is one line.
std::string MailtoUrl(const ShortcutRequest& request);
