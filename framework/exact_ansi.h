// Between UTF-16 and Shift-JIS (code page 932), the code page of every text the
// program holds, whatever the system's own code page is: UTF-16 text from the system
// turned into code page 932 only when nothing is lost, and code page 932 text into
// UTF-16 for the wide calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 932 in the numbering of MultiByteToWideChar and its kin.
constexpr unsigned kShiftJisCodePage = 932;

// The text in code page 932, or nullopt when a character has no exact counterpart
// there. Best-fit stand-ins are refused: "¥" would become "\" and a missing character
// "?", and a path spelt with either names another file or a wildcard.
std::optional<std::string> ExactAnsiText(std::wstring_view wide);

// Code page 932 text in UTF-16, for a wide call; the inverse of ExactAnsiText.
std::wstring WideFromAnsi(std::string_view ansi);
