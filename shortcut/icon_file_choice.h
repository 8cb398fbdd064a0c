// The IconFile value that names the program to the shell of this system.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "text/system_code_page.h"

// programFolder is the program's folder in UTF-16, ending in "\", and shortFolder gives
// its short (8.3) form, or empty when there is none. Shortcuts name "ravlet.exe" there,
// whatever the running copy is called. The value is the path in the system's code page when that
// spells it exactly (so on a code page 932 system what the program spells itself), else the short
// form when it is all ASCII, which every code page reads alike; empty, for no icon lines, when
// neither names the program.
std::string ChooseIconFile(std::u16string_view programFolder, const SystemCodePage& system,
                           const std::function<std::u16string()>& shortFolder);
