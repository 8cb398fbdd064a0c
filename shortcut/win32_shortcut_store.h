// Shortcut files on the Windows file system.
#pragma once

#include "shortcut/shortcut_store.h"

class Win32ShortcutStore : public ShortcutStore {
public:
    bool Exists(const std::string& path) override;
    std::unique_ptr<ShortcutFile> Open(const std::string& path) override;
};
