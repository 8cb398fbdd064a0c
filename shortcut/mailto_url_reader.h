// The mail message of a mailto URL, read from a shortcut file written by this program,
// another tool or a web page.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "shortcut/mailto_message.h"
#include "text/code_page_spelling.h"

struct NotMailto {};

using MailtoReading = std::variant<MailtoMessage, NotMailto, UnspellableField>;

// The address is the text after "mailto:" up to the first "?"; only the escapes this
// program writes there are decoded. The fields after it, split at "&", are decoded
// fully: raw bytes are code-page text, and each run of escapes is UTF-8 when it reads
// as UTF-8 with a byte above 0x7F, and code-page text otherwise. Control bytes are
// dropped, except the body's line breaks and tabs.
MailtoReading ReadMailtoUrl(std::string_view url, const CodePageSpelling& spelling);

// The field a name after "?" or "&" stands for ("Subject", "cc", "bcc", "body" in any
// case), or nullopt for a field without a box of its own.
std::optional<MailtoField> MailtoFieldNamed(std::string_view name);
