// Saving the destination list into the settings file of this run.
#pragma once

#include <optional>
#include <string>

#include "destinations/destination_list.h"
#include "destinations/win32_settings_file.h"
#include "ini/ini_encoding.h"
#include "text/system_code_page.h"

struct SettingsSaveResult {
    bool saved = false;
    // The file saved to, or the last one tried.
    std::string path;
    // Set when that file was left alone: too large, or no text.
    std::optional<ini::Refusal> refusal;
};

// Saves into files.savePath; when that fails and no file lies there (a file there stays
// what the next start reads), into the user's own file instead. Each save is under its
// file's lock: it reads the file as it is at that moment, sets the program's keys in
// place, keeps every other line byte for byte, and writes the whole file once. A file
// that the save creates starts as a copy of the file this run read, in that file's
// encoding, so that keys and sections of other programs or later versions come along
// (an administrator's file, or the user's own file when the settings move beside the
// program); with nothing to copy, it is in the encoding the system calls for (see
// NewSettingsFileEncoding).
SettingsSaveResult SaveSettingsFiles(DestinationList& destinations, const SettingsFiles& files,
                                     const SystemCodePage& system);
