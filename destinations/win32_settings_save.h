// Saving the destination list into the settings file of this run.
#pragma once

#include <string>

#include "destinations/destination_list.h"
#include "destinations/win32_settings_file.h"

struct SettingsSaveResult {
    bool saved = false;
    // The file saved to, or the last one tried.
    std::string path;
};

// Saves into files.savePath; when that fails and no file lies there (a file there stays
// what the next start reads), into the user's own file instead. Each save is under its
// file's lock. A file that the save creates starts as a copy of the file
// this run read, so that keys and sections of other programs or later versions come
// along (an administrator's file, or the user's own file when the settings move beside
// the program).
SettingsSaveResult SaveSettingsFiles(DestinationList& destinations, const SettingsFiles& files);

// Creates savePath as a copy of readPath when the two differ and savePath does not exist
// yet; a file that exists is never touched. False when nothing was copied.
bool CopySettingsFileRead(const std::string& readPath, const std::string& savePath);
