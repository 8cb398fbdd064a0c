#include "destinations/settings_section.h"

#include <algorithm>

#include "text/ascii_text.h"
#include "text/usable_folder.h"

namespace {

bool Contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

// The key of a "key=value" line, without the blanks around it.
std::string_view LineKey(std::string_view line) {
    return mbtext::TrimmedBlanks(line.substr(0, line.find('=')));
}

// The number of a folder key: "MENU_" and three digits, matched without regard to case
// as the profile functions match keys. Any other key gives -1.
int FolderKeyIndex(std::string_view key) {
    if (key.size() != 8 || !mbtext::StartsWithIgnoringAsciiCase(key, "MENU_") ||
        !std::all_of(key.begin() + 5, key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return (key[5] - '0') * 100 + (key[6] - '0') * 10 + (key[7] - '0');
}

// "MENU_%03d" of index; built by hand, as a formatted print would bring the whole of
// the runtime's printf into the program.
std::string MenuKey(int index) {
    const std::string digits = std::to_string(index);
    return "MENU_" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string SelectedPathValue(int selection, const std::string& path) {
    // "|" is in no Windows path.
    return std::to_string(selection) + "|" + path;
}

std::optional<std::string> SelectedPathFor(const std::string& value, int savedIndex) {
    const size_t bar = value.find('|');
    if (bar == std::string::npos || bar + 1 == value.size() ||
        value.compare(0, bar, std::to_string(savedIndex)) != 0) {
        return std::nullopt;
    }
    return value.substr(bar + 1);
}

bool CanKeepSavedFolder(const std::string& path) {
    // A cut value would come back as another folder.
    return IsUsableFolder(path) && path.size() <= ProfileSection::kMaxValueBytes;
}

std::string VerbatimFolder(char encoding, std::string_view fileBytes) {
    return std::string(1, '\0') + encoding + std::string(fileBytes);
}

bool IsVerbatimFolder(std::string_view folder) {
    return !folder.empty() && folder[0] == '\0';
}

std::vector<std::string> WithVerbatimFoldersInPlace(const std::vector<std::string>& shown,
                                                    size_t added,
                                                    const std::vector<std::string>& unshown,
                                                    const std::vector<std::string>& loaded) {
    const size_t additions = std::min(added, shown.size());
    std::vector<std::string> folders(shown.begin(), shown.begin() + additions);
    // The folders read are shown ones, then those without room (unshown), by position:
    // a folder may be saved twice.
    const auto readable = static_cast<size_t>(
        std::count_if(loaded.begin(), loaded.end(),
                      [](const std::string& path) { return !IsVerbatimFolder(path); }));
    const size_t shownAtStart = readable - std::min(unshown.size(), readable);
    size_t next = additions;
    size_t seen = 0;
    for (const std::string& folder : loaded) {
        if (IsVerbatimFolder(folder)) {
            folders.push_back(folder);
        } else if (seen++ >= shownAtStart) {
            folders.push_back(folder);
        } else if (next < shown.size()) {
            folders.push_back(shown[next++]);
        } else {
            break;
        }
    }
    folders.insert(folders.end(), shown.begin() + next, shown.end());
    return folders;
}

std::vector<std::string> ReadSavedFolders(ProfileSection& settings, int room) {
    std::vector<std::string> folders;
    for (int key = 0; key < kSavedFolderKeys && static_cast<int>(folders.size()) < room; ++key) {
        std::optional<std::string> path = settings.ReadString(MenuKey(key));
        if (!path) {
            if (std::optional<std::string> verbatim = settings.ReadVerbatim(MenuKey(key))) {
                folders.push_back(std::move(*verbatim));
            }
            continue;
        }
        // A gap hides everything after it.
        if (path && path->empty()) {
            break;
        }
        if (path && CanKeepSavedFolder(*path)) {
            folders.push_back(std::move(*path));
        }
    }
    return folders;
}

std::vector<std::string> MergeSavedFolders(const std::vector<std::string>& own,
                                           const std::vector<std::string>& unshown,
                                           const std::vector<std::string>& loaded,
                                           const std::vector<std::string>& onDisk, int room) {
    const size_t limit = static_cast<size_t>(std::max(room, 0));
    std::vector<std::string> merged(own.begin(), own.begin() + std::min(own.size(), limit));
    const auto append = [&](const std::string& folder) {
        if (merged.size() < limit && !Contains(merged, folder)) {
            merged.push_back(folder);
        }
    };
    for (const std::string& folder : unshown) {
        append(folder);
    }
    for (const std::string& folder : onDisk) {
        if (!Contains(loaded, folder)) {
            append(folder);
        }
    }
    return merged;
}

std::vector<SettingsKeyWrite> SettingsKeyWrites(const std::vector<std::string>& folders,
                                                int selection, const std::string& selectedPath,
                                                const std::vector<std::string>& currentLines) {
    const int written = static_cast<int>(std::min<size_t>(folders.size(), kSavedFolderKeys));
    std::vector<SettingsKeyWrite> writes;
    for (int i = 0; i < written; ++i) {
        writes.push_back({MenuKey(i), folders[static_cast<size_t>(i)]});
    }
    bool hasSelectedPath = false;
    for (const std::string& line : currentLines) {
        const std::string_view key = LineKey(line);
        const int index = FolderKeyIndex(key);
        // Left behind, such a key would come back at the next start.
        if (index >= written && index < kSavedFolderKeys) {
            writes.push_back({std::string(key), std::nullopt});
        }
        hasSelectedPath = hasSelectedPath || mbtext::EqualsIgnoringAsciiCase(key, kSelectedPathKey);
    }
    writes.push_back({kSelectionKey, std::to_string(selection)});
    if (!selectedPath.empty()) {
        writes.push_back({kSelectedPathKey, SelectedPathValue(selection, selectedPath)});
    } else if (hasSelectedPath) {
        writes.push_back({kSelectedPathKey, std::nullopt});
    }
    return writes;
}
