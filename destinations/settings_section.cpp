#include "destinations/settings_section.h"

#include <algorithm>

#include "shortcut/shortcut_path.h"

namespace {

bool Contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The key of a "key=value" line as the profile functions match it: without the blanks
// around it, in capitals (keys are matched without regard to case).
std::string LineKey(const std::string& line) {
    const size_t equals = line.find('=');
    std::string key = line.substr(0, equals);
    const size_t first = key.find_first_not_of(" \t");
    const size_t last = key.find_last_not_of(" \t");
    key = first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
    std::transform(key.begin(), key.end(), key.begin(), AsciiUpper);
    return key;
}

// "MENU_" and three digits: a folder key of any version, in use or left behind.
bool IsFolderKey(const std::string& key) {
    return key.size() == 8 && key.compare(0, 5, "MENU_") == 0 &&
           std::all_of(key.begin() + 5, key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsOwnKey(const std::string& key) {
    return IsFolderKey(key) || key == kSelectionKey || key == kSelectedPathKey;
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

std::vector<std::string> ReadSavedFolders(ProfileSection& settings, int room) {
    std::vector<std::string> folders;
    for (int key = 0; key < kSavedFolderKeys && static_cast<int>(folders.size()) < room; ++key) {
        std::optional<std::string> path = settings.ReadString(MenuKey(key));
        // A gap hides everything after it.
        if (path && path->empty()) {
            break;
        }
        // A cut value would come back as another folder.
        if (path && IsUsableFolder(*path) && path->size() <= ProfileSection::kMaxValueBytes) {
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
