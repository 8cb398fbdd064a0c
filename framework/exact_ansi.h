// Between UTF-16 and the ANSI code page: UTF-16 text from the system turned into the
// ANSI code page only when nothing is lost, and ANSI text into UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text in the ANSI code page, or nullopt when a character has no exact counterpart
// there. Best-fit stand-ins are refused: "¥" would become "\" and a missing character
// "?", and a path spelt with either names another file or a wildcard.
std::optional<std::string> ExactAnsiText(std::wstring_view wide);

// ANSI text in UTF-16, converted as the ANSI file functions convert it, so that a wide
// call names the same file as the ANSI call would.
std::wstring WideFromAnsi(std::string_view ansi);
