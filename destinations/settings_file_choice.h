// Which settings file a run reads and which one it saves to. The file beside the
// program comes first, so that a copy on a USB stick keeps its settings with it; where
// the user cannot write there, the settings live in a folder of the user's own.
#pragma once

#include <string>

// What the program finds at start.
struct SettingsPlaces {
    // The program's folder is spelt exactly in code page 932.
    bool programFolderKnown = true;
    // The current user can write the file beside the program (or create it there).
    bool programFolderWritable = true;
    // A settings file lies beside the program.
    bool fileBesideProgram = false;
    // The shell named the user's application data folder.
    bool perUserFolderKnown = true;
    // The user's own settings file exists.
    bool perUserFile = false;
};

enum class SettingsPlace {
    None,           // no file: nothing to read, or nothing may be written
    BesideProgram,  // ravlet.ini in the program's folder
    PerUser,        // %APPDATA%\ravlet\ravlet.ini
};

struct SettingsFileChoice {
    SettingsPlace readFrom;
    SettingsPlace saveTo;

    bool operator==(const SettingsFileChoice& other) const {
        return readFrom == other.readFrom && saveTo == other.saveTo;
    }
};

// The same places give the same choice at every start, so the next run reads what this
// one saves.
SettingsFileChoice ChooseSettingsFile(const SettingsPlaces& places);

inline constexpr char kSettingsFileName[] = "ravlet.ini";
// The user's own settings folder, below the application data folder.
inline constexpr char kPerUserSettingsFolder[] = "ravlet";

// The settings file in a folder; programDirectory ends in "\".
inline std::string IniPath(const std::string& programDirectory) {
    return programDirectory + kSettingsFileName;
}
