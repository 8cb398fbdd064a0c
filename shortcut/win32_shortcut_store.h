// Shortcut files on the Windows file system.
#pragma once

#include "shortcut/shortcut_store.h"

class Win32ShortcutStore : public ShortcutStore {
public:
    bool Exists(const std::string& path) override;
    bool IsSamePath(const std::string& first, const std::string& second) override;
    std::unique_ptr<ShortcutFile> Open(const std::string& path) override;
};
