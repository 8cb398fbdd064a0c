// The Create command: checks the form, writes one shortcut file and resets the form.
#pragma once

#include <optional>
#include <string>

#include "shortcut/shortcut_form.h"
#include "shortcut/shortcut_rewrite.h"
#include "shortcut/shortcut_store.h"
#include "shortcut/shortcut_writing.h"

// folder is the path of the selected destination, or nullopt when none is selected.
// The file is written whole or not at all. A full disk raises FileError naming the
// file, after which any old file is as it was and the form as the user typed it. opened, when
// given, is the shortcut the user opened to change: a file written to its path keeps its other
// lines, and a successful Create ends it. A successful Create leaves nothing pending. iconFilePath is in the system's code page, empty
// when the shell there cannot be told where the program is. writing, when given, says
// how this system reads shortcuts; without it the system reads code page 932.
void RunCreateCommand(ShortcutForm& form, ShortcutStore& store,
                      const std::optional<std::string>& folder, const std::string& iconFilePath,
                      std::optional<ShortcutRewrite>* opened = nullptr,
                      ShortcutWriting* writing = nullptr);
