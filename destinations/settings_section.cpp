#include "destinations/settings_section.h"

#include <algorithm>

#include "shortcut/shortcut_path.h"
#include "text/ascii_text.h"

namespace {

bool Contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

// The key of a "key=value" line, without the blanks around it.
std::string_view LineKey(std::string_view line) {
    return mbtext::TrimmedBlanks(line.substr(0, line.find('=')));
}

// "MENU_" and three digits: a folder key of any version, in use or left behind. Keys
// are matched without regard to case, as the profile functions match them.
bool IsFolderKey(std::string_view key) {
    return key.size() == 8 && mbtext::StartsWithIgnoringAsciiCase(key, "MENU_") &&
           std::all_of(key.begin() + 5, key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsOwnKey(std::string_view key) {
    return IsFolderKey(key) || mbtext::EqualsIgnoringAsciiCase(key, kSelectionKey) ||
           mbtext::EqualsIgnoringAsciiCase(key, kSelectedPathKey);
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

std::vector<std::string> ReadSavedFolders(ProfileSection& settings, int room) {
    std::vector<std::string> folders;
    for (int key = 0; key < kSavedFolderKeys && static_cast<int>(folders.size()) < room; ++key) {
        std::optional<std::string> path = settings.ReadString(MenuKey(key));
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
                                           const std::vector<std::string>& loaded,
                                           const std::vector<std::string>& onDisk, int room) {
    const size_t limit = static_cast<size_t>(std::max(room, 0));
    std::vector<std::string> merged(own.begin(), own.begin() + std::min(own.size(), limit));
    for (const std::string& folder : onDisk) {
        if (merged.size() >= limit) {
            break;
        }
        if (!Contains(loaded, folder) && !Contains(merged, folder)) {
            merged.push_back(folder);
        }
    }
    return merged;
}

std::vector<std::string> SettingsSectionLines(const std::vector<std::string>& folders,
                                              int selection, const std::string& selectedPath,
                                              const std::vector<std::string>& currentLines) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < folders.size() && i < static_cast<size_t>(kSavedFolderKeys); ++i) {
        lines.push_back(MenuKey(static_cast<int>(i)) + "=" + folders[i]);
    }
    lines.push_back(std::string(kSelectionKey) + "=" + std::to_string(selection));
    if (!selectedPath.empty()) {
        lines.push_back(std::string(kSelectedPathKey) + "=" +
                        SelectedPathValue(selection, selectedPath));
    }
    for (const std::string& line : currentLines) {
        if (!IsOwnKey(LineKey(line))) {
            lines.push_back(line);
        }
    }
    return lines;
}
