// What the settings file's "COMBO_BOX" section holds: the folders the user added
// ("MENU_000" on, newest first) and the selected destination, by index ("SELECT", which
// every version reads) and by path ("SELECT_PATH", which survives a change in the number
// of well-known folders). The path is stored behind the index it was saved with,
// "4|D:\Mail", so that an index changed by an earlier version or by hand wins over it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "destinations/profile_section.h"

inline constexpr char kSettingsSectionName[] = "COMBO_BOX";
inline constexpr char kSelectionKey[] = "SELECT";
inline constexpr char kSelectedPathKey[] = "SELECT_PATH";
inline constexpr int kSavedFolderKeys = 20;

// True for a folder that can hold shortcuts and comes back whole from the settings file.
bool CanKeepSavedFolder(const std::string& path);

// The saved folders in key order, up to the first empty key and at most room of them.
// A value that was cut, or that names no folder a shortcut can go into, is passed over.
std::vector<std::string> ReadSavedFolders(ProfileSection& settings, int room);

// The folders a save writes: this run's own list as it is, then the folders another
// run saved since this one loaded (in the file now but not when this run read it),
// none of those twice, at most room in all.
std::vector<std::string> MergeSavedFolders(const std::vector<std::string>& own,
                                           const std::vector<std::string>& loaded,
                                           const std::vector<std::string>& onDisk, int room);

// The value of "SELECT_PATH".
std::string SelectedPathValue(int selection, const std::string& path);
// The path in a "SELECT_PATH" value, when it was saved with this "SELECT" index.
std::optional<std::string> SelectedPathFor(const std::string& value, int savedIndex);

// The section's new lines: the folders, the selection, then the section's other lines
// as they were (keys of other programs or later versions). No "MENU_" key is left
// behind the list.
std::vector<std::string> SettingsSectionLines(const std::vector<std::string>& folders,
                                              int selection, const std::string& selectedPath,
                                              const std::vector<std::string>& currentLines);
