// Reads a .url file the way the shell does: through its own Internet shortcut object.
#pragma once

#include <optional>
#include <string>

namespace e2e {

struct ShellShortcutView {
    std::string url;
    std::string iconFile;  // empty when the shortcut names no icon
    int iconIndex = 0;
};

// nullopt when the shell cannot load the file. Needs COM initialised on the thread.
std::optional<ShellShortcutView> LoadThroughShell(const std::string& path);

}  // namespace e2e
