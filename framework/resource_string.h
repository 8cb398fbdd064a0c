// Strings of the program's string table.
#pragma once

#include <string>

// The string, or fallback when the table has no such string.
std::string LoadResourceString(unsigned id, const std::string& fallback = {});
