// Whether a shortcut's URL was written in the escaped form: text beyond ASCII as the
// %XX escapes of its UTF-8, the whole line ASCII. Such a shortcut keeps that form when
// it is written again, on any system, so that a shortcut on a synced desktop does not
// change form at every write.
#pragma once

#include <string_view>

// True when the URL holds no raw byte above 0x7F and at least one run of escapes that
// decodes as UTF-8 beyond ASCII ("%E3%81%82"). Escaped Shift-JIS ("%82%A0") is no
// UTF-8, and a URL escaping only ASCII says nothing about the form.
bool IsUtf8EscapedForm(std::string_view url);
