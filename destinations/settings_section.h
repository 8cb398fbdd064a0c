// What the settings file's "COMBO_BOX" section holds: the folders the user added
// ("MENU_000" on, newest first) and the selected destination, by index ("SELECT", which
// every version reads) and by path ("SELECT_PATH", which survives a change in the number
// of well-known folders). The path is stored behind the index it was saved with,
// "4|D:\Mail", so that an index changed by an earlier version or by hand wins over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "destinations/profile_section.h"

inline constexpr char kSettingsSectionName[] = "COMBO_BOX";
inline constexpr char kSelectionKey[] = "SELECT";
inline constexpr char kSelectedPathKey[] = "SELECT_PATH";
inline constexpr int kSavedFolderKeys = 20;

// True for a folder that can hold shortcuts and comes back whole from the settings file.
bool CanKeepSavedFolder(const std::string& path);

// A saved folder the code page cannot spell ("D:\Mail¥Archive" in a UTF-16 file) is
// never offered, and never written as a look-alike: it is carried as the bytes the file
// holds, behind a NUL (which no path holds) and the letter of the file's encoding.
std::string VerbatimFolder(char encoding, std::string_view fileBytes);
bool IsVerbatimFolder(std::string_view folder);

// This run's user folders (shown, newest first; the first added of them this run's
// additions) with the folders it read but cannot offer put back in their places among
// the folders read. Those behind a folder the additions pushed off go with it.
std::vector<std::string> WithVerbatimFoldersInPlace(const std::vector<std::string>& shown,
                                                    size_t added,
                                                    const std::vector<std::string>& unshown,
                                                    const std::vector<std::string>& loaded);

// The saved folders in key order, up to the first empty key and at most room of them.
// A value that was cut, or that names no folder a shortcut can go into, is passed over;
// one the code page cannot spell is a VerbatimFolder, and counts.
std::vector<std::string> ReadSavedFolders(ProfileSection& settings, int room);

// The folders a save writes: this run's own list as it is; then the folders this run
// read but had no room to show, where Quick Launch took a place; then the folders
// another run saved since this one loaded (in the file now but not when this run read
// it). No folder twice, at most room in all. A folder this run read and then pushed off
// the list by an addition stays off.
std::vector<std::string> MergeSavedFolders(const std::vector<std::string>& own,
                                           const std::vector<std::string>& unshown,
                                           const std::vector<std::string>& loaded,
                                           const std::vector<std::string>& onDisk, int room);

// The value of "SELECT_PATH".
std::string SelectedPathValue(int selection, const std::string& path);
// The path in a "SELECT_PATH" value, when it was saved with this "SELECT" index.
std::optional<std::string> SelectedPathFor(const std::string& value, int savedIndex);

// One key a save sets, or deletes when the value is nullopt.
struct SettingsKeyWrite {
    std::string key;
    std::optional<std::string> value;

    bool operator==(const SettingsKeyWrite& other) const {
        return key == other.key && value == other.value;
    }
};

// The writes that save the folders and the selection into a section that holds
// currentLines: "MENU_000" on, "SELECT" and "SELECT_PATH" are set; the folder keys up to
// "MENU_019" behind the list and a "SELECT_PATH" with no path to hold are deleted.
// Every other line (comments, keys of other programs or later versions, "MENU_020" on)
// is left as it is.
std::vector<SettingsKeyWrite> SettingsKeyWrites(const std::vector<std::string>& folders,
                                                int selection, const std::string& selectedPath,
                                                const std::vector<std::string>& currentLines);
