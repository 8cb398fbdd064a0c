// Finding the settings file: beside the program when the user can write there, else in
// the user's own application data folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The files of one run; an empty path means none.
struct SettingsFiles {
    std::string readPath;
    std::string savePath;
    // Created before the save when it is missing (the user's own settings folder).
    std::string folderToCreate;
    // Where a save beside the program goes when that file cannot be written after all:
    // the user's own file, and its folder.
    std::string fallbackSavePath;
    std::string fallbackFolderToCreate;
};

// True when the current user can write the settings file in folder (ending in "\"):
// create a new file there, and, where the file exists, open it for writing and
// deleting, as replacing it needs; a link is never replaced. Nothing is written, and
// nothing is left behind: a new file is a uniquely named one that the system deletes
// when it is closed.
bool CanWriteSettingsFile(const std::string& folder);

// %APPDATA%\ravlet\ (ending in "\") below the application data folder (GetSpecialFolderPath
// of CSIDL_APPDATA), or nullopt when the shell could not name that folder exactly in code page
// 932 (empty appData).
std::optional<std::string> PerUserSettingsFolder(const std::string& appData);

// Probes both places and chooses. A program folder that is not spelt exactly gives no
// files at all.
SettingsFiles LocateSettingsFiles(const std::optional<std::string>& programDirectory,
                                  const std::optional<std::string>& perUserFolder);

// Creates the folder that the save needs (SettingsFiles::folderToCreate; nothing to do
// when it is empty) and writes nothing else. False when it cannot.
bool CreateSettingsFolder(const std::string& folderToCreate);
