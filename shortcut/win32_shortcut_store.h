// Shortcut files on the Windows file system.
#pragma once

#include "framework/exact_ansi_spelling.h"
#include "shortcut/shortcut_store.h"

class Win32ShortcutStore : public ShortcutStore {
public:
    // system: the code page the shell reads the files in; nullptr for code page 932.
    explicit Win32ShortcutStore(const SystemCodePage* system = nullptr) : system_(system) {}
    bool Exists(const std::string& path) override;
    bool IsSamePath(const std::string& first, const std::string& second) override;
    ShortcutWriteOutcome WriteWhole(const std::string& path, std::string_view bytes,
                                    bool replaceExisting,
                                    const WrittenShortcutCheck& check) override;
    std::optional<StoredShortcut> Read(const std::string& path) override;
    const CodePageSpelling& Spelling() const override { return spelling_; }
    const SystemCodePage* System() const override { return system_; }

private:
    ExactAnsiSpelling spelling_;
    const SystemCodePage* system_;
};
